#pragma once
// The platform's Active Scripting interfaces, in the platform's virtual order, and their constants.
#include "platform/automation/variant.h"
#include "platform/automation/interfaces.h"

enum SCRIPTSTATE {
    SCRIPTSTATE_UNINITIALIZED = 0,
    SCRIPTSTATE_STARTED = 1,
    SCRIPTSTATE_CONNECTED = 2,
    SCRIPTSTATE_DISCONNECTED = 3,
    SCRIPTSTATE_CLOSED = 4,
    SCRIPTSTATE_INITIALIZED = 5,
};

enum SCRIPTTHREADSTATE { SCRIPTTHREADSTATE_NOTINSCRIPT = 0, SCRIPTTHREADSTATE_RUNNING = 1 };
using SCRIPTTHREADID = DWORD;
constexpr SCRIPTTHREADID SCRIPTTHREADID_CURRENT = 0xFFFFFFFD;
constexpr SCRIPTTHREADID SCRIPTTHREADID_BASE = 0xFFFFFFFE;
constexpr SCRIPTTHREADID SCRIPTTHREADID_ALL = 0xFFFFFFFF;

constexpr DWORD SCRIPTITEM_ISVISIBLE = 0x2;
constexpr DWORD SCRIPTITEM_ISSOURCE = 0x4;
constexpr DWORD SCRIPTITEM_GLOBALMEMBERS = 0x8;
constexpr DWORD SCRIPTINFO_IUNKNOWN = 0x1;
constexpr DWORD SCRIPTINFO_ITYPEINFO = 0x2;

constexpr HRESULT OLESCRIPT_E_SYNTAX = MakeHResult(0x80020101);
constexpr HRESULT TYPE_E_ELEMENTNOTFOUND = MakeHResult(0x8002802B);

constexpr CLSID CLSID_VBScript = {0xB54F3741, 0x5B07, 0x11CF, {0xA4, 0xB0, 0x00, 0xAA, 0x00, 0x4A, 0x55, 0xE8}};
constexpr IID IID_IActiveScript = {0xBB1A2AE1, 0xA4F9, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};
constexpr IID IID_IActiveScriptParse = {0xBB1A2AE2, 0xA4F9, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};
constexpr IID IID_IActiveScriptSite = {0xDB01A1E3, 0xA42B, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};
constexpr IID IID_IActiveScriptError = {0xEAE1BA61, 0xA4ED, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};

struct IActiveScriptError : IUnknown {
    virtual HRESULT GetExceptionInfo(EXCEPINFO* excepinfo) = 0;
    virtual HRESULT GetSourcePosition(DWORD* sourceContext, ULONG* lineNumber, std::int32_t* charPosition) = 0;
    virtual HRESULT GetSourceLineText(BSTR* sourceLine) = 0;

protected:
    ~IActiveScriptError() = default;
};

struct IActiveScriptSite : IUnknown {
    virtual HRESULT GetLCID(LCID* lcid) = 0;
    virtual HRESULT GetItemInfo(LPCOLESTR name, DWORD returnMask, IUnknown** item, ITypeInfo** typeInfo) = 0;
    virtual HRESULT GetDocVersionString(BSTR* version) = 0;
    virtual HRESULT OnScriptTerminate(const VARIANT* result, const EXCEPINFO* excepinfo) = 0;
    virtual HRESULT OnStateChange(SCRIPTSTATE state) = 0;
    virtual HRESULT OnScriptError(IActiveScriptError* error) = 0;
    virtual HRESULT OnEnterScript() = 0;
    virtual HRESULT OnLeaveScript() = 0;

protected:
    ~IActiveScriptSite() = default;
};

struct IActiveScript : IUnknown {
    virtual HRESULT SetScriptSite(IActiveScriptSite* site) = 0;
    virtual HRESULT GetScriptSite(REFIID riid, void** object) = 0;
    virtual HRESULT SetScriptState(SCRIPTSTATE state) = 0;
    virtual HRESULT GetScriptState(SCRIPTSTATE* state) = 0;
    virtual HRESULT Close() = 0;
    virtual HRESULT AddNamedItem(LPCOLESTR name, DWORD flags) = 0;
    virtual HRESULT AddTypeLib(REFGUID typeLib, DWORD major, DWORD minor, DWORD flags) = 0;
    virtual HRESULT GetScriptDispatch(LPCOLESTR itemName, IDispatch** dispatch) = 0;
    virtual HRESULT GetCurrentScriptThreadID(SCRIPTTHREADID* thread) = 0;
    virtual HRESULT GetScriptThreadID(DWORD win32Thread, SCRIPTTHREADID* thread) = 0;
    virtual HRESULT GetScriptThreadState(SCRIPTTHREADID thread, SCRIPTTHREADSTATE* state) = 0;
    virtual HRESULT InterruptScriptThread(SCRIPTTHREADID thread, const EXCEPINFO* excepinfo, DWORD flags) = 0;
    virtual HRESULT Clone(IActiveScript** copy) = 0;

protected:
    ~IActiveScript() = default;
};

struct IActiveScriptParse : IUnknown {
    virtual HRESULT InitNew() = 0;
    virtual HRESULT AddScriptlet(LPCOLESTR defaultName, LPCOLESTR code, LPCOLESTR itemName, LPCOLESTR subItemName,
                                 LPCOLESTR eventName, LPCOLESTR delimiter, DWORD sourceContextCookie,
                                 ULONG startingLine, DWORD flags, BSTR* name, EXCEPINFO* excepinfo) = 0;
    virtual HRESULT ParseScriptText(LPCOLESTR code, LPCOLESTR itemName, IUnknown* context, LPCOLESTR delimiter,
                                    DWORD sourceContextCookie, ULONG startingLine, DWORD flags, VARIANT* result,
                                    EXCEPINFO* excepinfo) = 0;

protected:
    ~IActiveScriptParse() = default;
};
