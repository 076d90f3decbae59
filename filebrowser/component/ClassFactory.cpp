#include "filebrowser/component/ClassFactory.h"

#include "filebrowser/component/FileBrowser.h"

namespace kestrine {
namespace {

class FileBrowserFactory final : public IClassFactory {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (!(iid == IID_IUnknown || iid == IID_IClassFactory))
            return E_NOINTERFACE;
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return m_refs.addRef(); }
    ULONG Release() override { return m_refs.release(this); }

    HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto* browser = new FileBrowser;
        const HRESULT result = browser->QueryInterface(iid, object);
        browser->Release();
        return result;
    }

    HRESULT LockServer(int lock) override
    {
        if (lock)
            lockModule();
        else
            unlockModule();
        return S_OK;
    }

private:
    RefCount m_refs;
};

} // namespace

IClassFactory* createClassFactory()
{
    return new FileBrowserFactory;
}

} // namespace kestrine
