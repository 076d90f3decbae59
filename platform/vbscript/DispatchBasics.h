#pragma once
// What every automation object of the engine answers alike: it is an IUnknown and an IDispatch and nothing
// else, and it has no type information.
#include "platform/automation/interfaces.h"

namespace vbscript {

HRESULT queryDispatch(IDispatch* self, REFIID riid, void** object);
HRESULT noTypeInfoCount(UINT* count);
HRESULT noTypeInfo(ITypeInfo** info);

} // namespace vbscript
