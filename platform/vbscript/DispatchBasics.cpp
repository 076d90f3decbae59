#include "platform/vbscript/DispatchBasics.h"

namespace vbscript {

HRESULT queryDispatch(IDispatch* self, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch) {
        *object = self;
        self->AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT noTypeInfoCount(UINT* count)
{
    *count = 0;
    return S_OK;
}

HRESULT noTypeInfo(ITypeInfo** info)
{
    *info = nullptr;
    return E_NOTIMPL;
}

} // namespace vbscript
