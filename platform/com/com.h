#pragma once
// The COM runtime as the system calls it: strings, class ids, activation of in-process servers through
// the registry, and the type information a dual interface hands out. Names and signatures are the
// platform's; servers are shared libraries named in HKEY_CLASSES_ROOT\CLSID\{clsid}\InprocServer32.
#include "platform/automation/hresult.h"
#include "platform/automation/variant.h"
#include "platform/automation/interfaces.h"

#include <QString>

using INT = int;
using LPCLSID = CLSID*;
using MEMBERID = DISPID;
using HREFTYPE = DWORD;

constexpr HRESULT NOERROR = S_OK;
constexpr MEMBERID MEMBERID_NIL = DISPID_UNKNOWN;
constexpr HRESULT TYPE_E_ELEMENTNOTFOUND = MakeHResult(0x8002802B);

constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
constexpr DWORD CLSCTX_INPROC_HANDLER = 0x2;
constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;

constexpr DWORD COINIT_MULTITHREADED = 0x0;
constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;

// Length of "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" with its closing zero.
constexpr int kGuidStringChars = 39;

// Length-prefixed strings. SysAllocString(nullptr) gives nullptr; SysFreeString and SysStringLen accept it.
BSTR SysAllocString(const OLECHAR* text);
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);

// Writes the braced upper-case form; returns the characters written with the zero, 0 when cchMax is too small.
int StringFromGUID2(REFGUID guid, LPOLESTR buffer, int cchMax);
// Reads the braced form; CO_E_CLASSSTRING for anything else.
HRESULT CLSIDFromString(LPCOLESTR text, LPCLSID clsid);

// Per thread and counted: the first call answers S_OK, later ones S_FALSE. The last CoUninitialize
// frees the libraries that say they can be unloaded.
HRESULT CoInitializeEx(void* reserved, DWORD coInit);
void CoUninitialize();

// HKEY_CLASSES_ROOT\<progid>\CLSID; CO_E_CLASSSTRING when the ProgID is not registered.
HRESULT CLSIDFromProgID(LPCOLESTR progId, LPCLSID clsid);

// In-process activation only. A library is loaded once per process and stays loaded until
// CoFreeUnusedLibraries finds that its DllCanUnloadNow answers S_OK.
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD clsContext, REFIID iid, void** object);
void CoFreeUnusedLibraries();

// The exports a server library offers.
using DllGetClassObjectFunction = HRESULT (*)(REFCLSID, REFIID, void**);
using DllCanUnloadNowFunction = HRESULT (*)();
using DllRegisterServerFunction = HRESULT (*)();

struct TYPEATTR;
struct FUNCDESC;
struct VARDESC;
struct ITypeComp;

// The type information of one interface, as far as the system's servers describe themselves: member
// names, dispatch ids and help strings. The slots up to GetDocumentation are the platform's.
struct ITypeInfo : IUnknown {
    virtual HRESULT GetTypeAttr(TYPEATTR** typeAttr) = 0;
    virtual HRESULT GetTypeComp(ITypeComp** typeComp) = 0;
    virtual HRESULT GetFuncDesc(UINT index, FUNCDESC** funcDesc) = 0;
    virtual HRESULT GetVarDesc(UINT index, VARDESC** varDesc) = 0;
    virtual HRESULT GetNames(MEMBERID memid, BSTR* names, UINT maxNames, UINT* namesFound) = 0;
    virtual HRESULT GetRefTypeOfImplType(UINT index, HREFTYPE* refType) = 0;
    virtual HRESULT GetImplTypeFlags(UINT index, INT* implTypeFlags) = 0;
    virtual HRESULT GetIDsOfNames(LPOLESTR* names, UINT count, MEMBERID* memids) = 0;
    virtual HRESULT Invoke(void* instance, MEMBERID memid, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* excepInfo, UINT* argErr) = 0;
    virtual HRESULT GetDocumentation(MEMBERID memid, BSTR* name, BSTR* docString, DWORD* helpContext,
                                     BSTR* helpFile) = 0;

protected:
    ~ITypeInfo() = default;
};

namespace com {

// A new BSTR holding the text; the receiver frees it with SysFreeString.
BSTR allocString(const QString& text);
// The text of a BSTR (empty for nullptr); the BSTR stays the caller's. Only for real BSTRs: the
// length comes from the prefix.
QString toQString(BSTR text);
// The text of a plain zero-terminated string (empty for nullptr). BSTR and LPOLESTR are the same
// type, so this has its own name.
QString fromOleString(LPCOLESTR text);

QString guidToString(REFGUID guid);
// False when the text is not a braced GUID.
bool guidFromString(const QString& text, GUID& guid);

} // namespace com
