#pragma once
#include <cstdint>

class QWidget;

namespace kestrine {

// The caller's top-level window for a 32-bit window handle (a widget's native window id), or the
// application's active window when the handle is 0 or names no window of this process.
QWidget* ownerWindow(std::uint32_t handle);

} // namespace kestrine
