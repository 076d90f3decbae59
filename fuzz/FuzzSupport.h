#pragma once
// What the fuzz targets share: a scratch device root, messages answered silently, and the input as text.
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// Once per process: a temporary device root with its system folder, the application's identity, and a
// message responder that answers every question with its default button without printing.
void prepareProcess();

// The host path of a file under the scratch root.
QString hostPath(const QString& name);

QString text(const std::uint8_t* data, std::size_t size);

} // namespace fuzz
