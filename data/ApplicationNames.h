#pragma once
// The names this application goes by on the machine, as the device layer uses them: the environment
// variable that moves the device root, and the folder of its own files in the user's data folder.
// Header-only, so that the small programs and the component library, which do not link data/, give
// their own copy of the device layer the same names as the application does.
#include "platform/device/DeviceNames.h"

inline void installDeviceNames()
{
    device::setNames({QByteArrayLiteral("VARNEL_ROOT"), QStringLiteral("varnel-desk")});
}
