#pragma once
// The one registry file in the system folder, shared by every process and every library that links this
// code. The file is the only truth: each call locks it, takes its current contents (a cached copy is used
// only while the file is unchanged) and, for a change, writes a whole new file beside it, flushes it to
// disk and renames it over the old one, so a crash leaves either the old or the new registry, never a mix.
// A file that cannot be read as a registry is renamed aside (kept for inspection) and a new one started.
#include "RegistryTree.h"

#include <QString>

#include <functional>

namespace registry {

enum class FileStatus { Ok, IoFailure };

// Host path of the registry file.
QString registryFilePath();

// Runs `reader` on the current contents under the lock.
FileStatus readRegistry(const std::function<void(const Tree&)>& reader);

// Runs `change` on the current contents under the lock; when it returns true and the contents differ,
// the new contents are written durably before the lock is released.
FileStatus changeRegistry(const std::function<bool(Tree&)>& change);

} // namespace registry
