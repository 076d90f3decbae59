#pragma once
#include "platform/com/com.h"

namespace kestrine {

// A new class factory for FileBrowser objects, with one reference held by the caller.
IClassFactory* createClassFactory();

} // namespace kestrine
