// The four entry points of the component library; nothing else is visible outside it.
#include "data/ApplicationNames.h"
#include "filebrowser/IFileBrowser.h"
#include "filebrowser/component/ClassFactory.h"
#include "filebrowser/component/ModuleCount.h"
#include "filebrowser/component/Registration.h"
#include "platform/device/DevicePath.h"

#include <QFileInfo>

#include <dlfcn.h>

#define KESTRINE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// The library keeps its own copy of the device layer, which the host's names never reach: it names its
// places itself as it is loaded, before any entry point can map a path.
const bool named = (installDeviceNames(), true);

// The library's own full path, as it was loaded: a device path when it lies on the device (the
// system folder's link), the host path otherwise.
QString ownPath()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&ownPath), &info) || !info.dli_fname)
        return {};
    const QString hostPath = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
    return device::toDevicePath(hostPath).value_or(hostPath);
}

} // namespace

KESTRINE_EXPORT HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!(clsid == CLSID_FileBrowser))
        return CLASS_E_CLASSNOTAVAILABLE;
    IClassFactory* factory = kestrine::createClassFactory();
    const HRESULT result = factory->QueryInterface(iid, object);
    factory->Release();
    return result;
}

KESTRINE_EXPORT HRESULT DllCanUnloadNow()
{
    return kestrine::moduleInUse() ? S_FALSE : S_OK;
}

KESTRINE_EXPORT HRESULT DllRegisterServer()
{
    return kestrine::registerServer(ownPath());
}

KESTRINE_EXPORT HRESULT DllUnregisterServer()
{
    return kestrine::unregisterServer();
}
