#include "filebrowser/component/FileBrowser.h"

#include "filebrowser/BrowserDialog.h"
#include "filebrowser/component/ParentWindow.h"
#include "filebrowser/component/TypeLibrary.h"

#include <QApplication>

namespace kestrine {
namespace {

HRESULT copyOut(const QString& text, BSTR* out)
{
    if (!out)
        return E_POINTER;
    *out = com::allocString(text);
    return S_OK;
}

// A dispatched text argument reaches the function-table operation as a BSTR that this side frees.
HRESULT putText(IFileBrowser& browser, HRESULT (IFileBrowser::*put)(BSTR), const QString& text)
{
    BSTR value = com::allocString(text);
    const HRESULT result = (browser.*put)(value);
    SysFreeString(value);
    return result;
}

HRESULT getText(IFileBrowser& browser, HRESULT (IFileBrowser::*get)(BSTR*), VARIANT* result)
{
    BSTR value = nullptr;
    const HRESULT hr = (browser.*get)(&value);
    if (result)
        *result = Variant(com::toQString(value));
    SysFreeString(value);
    return hr;
}

} // namespace

HRESULT FileBrowser::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid == IID_IFileBrowserSave)
        *object = static_cast<IFileBrowserSave*>(this);
    else if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IFileBrowser)
        *object = static_cast<IFileBrowser*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG FileBrowser::AddRef()
{
    return m_refs.addRef();
}

ULONG FileBrowser::Release()
{
    return m_refs.release(this);
}

HRESULT FileBrowser::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_INVALIDARG;
    *count = 1;
    return S_OK;
}

HRESULT FileBrowser::GetTypeInfo(UINT index, LCID, ITypeInfo** typeInfo)
{
    if (!typeInfo)
        return E_INVALIDARG;
    *typeInfo = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    *typeInfo = createTypeInfo();
    return S_OK;
}

HRESULT FileBrowser::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids)
{
    if (!(iid == IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    ITypeInfo* typeInfo = createTypeInfo();
    const HRESULT result = typeInfo->GetIDsOfNames(names, count, ids);
    typeInfo->Release();
    return result;
}

HRESULT FileBrowser::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                            EXCEPINFO*, UINT* argErr)
{
    if (!(iid == IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    const Member* member = findMember(id);
    if (!member)
        return DISP_E_MEMBERNOTFOUND;
    const UINT argCount = params ? params->cArgs : 0;
    if (argCount > 0 && !params->rgvarg)
        return E_INVALIDARG;

    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        if (!(member->kinds & DISPATCH_PROPERTYPUT))
            return DISP_E_MEMBERNOTFOUND;
        if (argCount != 1)
            return DISP_E_BADPARAMCOUNT;
        if (params->cNamedArgs != 1 || !params->rgdispidNamedArgs ||
            params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_PARAMNOTFOUND;
        return invokePut(id, params->rgvarg[0], argErr);
    }
    if (params && params->cNamedArgs > 0)
        return DISP_E_NONAMEDARGS;
    if (member->kinds == DISPATCH_METHOD && (flags & DISPATCH_METHOD)) {
        if (argCount != 1)
            return DISP_E_BADPARAMCOUNT;
        Variant handle;
        if (FAILED(params->rgvarg[0].changeType(VT_I4, handle))) {
            if (argErr)
                *argErr = 0;
            return DISP_E_TYPEMISMATCH;
        }
        if (result)
            result->clear();
        return Open(static_cast<std::uint32_t>(handle.i4()));
    }
    if ((member->kinds & DISPATCH_PROPERTYGET) && (flags & DISPATCH_PROPERTYGET)) {
        if (argCount != 0)
            return DISP_E_BADPARAMCOUNT;
        return invokeGet(id, result);
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT FileBrowser::invokePut(DISPID id, const VARIANT& value, UINT* argErr)
{
    const bool number = id == IdShowOnlyFolders || id == IdMaxFilesize;
    Variant converted;
    if (FAILED(value.changeType(number ? VT_I4 : VT_BSTR, converted))) {
        if (argErr)
            *argErr = 0;
        return DISP_E_TYPEMISMATCH;
    }
    switch (id) {
    case IdTitle:
        return putText(*this, &IFileBrowser::put_Title, converted.string());
    case IdDefaultDirectory:
        return putText(*this, &IFileBrowser::put_DefaultDirectory, converted.string());
    case IdFilters:
        return putText(*this, &IFileBrowser::put_Filters, converted.string());
    case IdTag:
        return putText(*this, &IFileBrowser::put_Tag, converted.string());
    case IdShowOnlyFolders:
        return put_ShowOnlyFolders(converted.i4());
    case IdMaxFilesize:
        return put_MaxFilesize(converted.i4());
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT FileBrowser::invokeGet(DISPID id, VARIANT* result)
{
    switch (id) {
    case IdFileName:
        return getText(*this, &IFileBrowser::get_FileName, result);
    case IdFilePath:
        return getText(*this, &IFileBrowser::get_FilePath, result);
    case IdTag:
        return getText(*this, &IFileBrowser::get_Tag, result);
    case IdOkCancel: {
        std::int32_t value = 0;
        const HRESULT hr = get_OkCancel(&value);
        if (result)
            *result = Variant(value);
        return hr;
    }
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT FileBrowser::Open(std::uint32_t pParentWnd)
{
    if (m_title.isEmpty())
        m_title = QStringLiteral("File Browse");
    if (m_filters.isEmpty())
        m_filters = QStringLiteral("*.*");
    if (m_defaultDirectory.isEmpty())
        m_defaultDirectory = QStringLiteral("\\");

    // Without a widget application there is no window to show: the answer is "nothing chosen".
    BrowserResult answer;
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        const BrowserRequest request{m_title,       m_filters,       m_defaultDirectory, m_showOnlyFolders == 1,
                                     m_maxFilesize, m_saveExtension, m_suggestedName};
        answer = runBrowserDialog(request, ownerWindow(pParentWnd));
    }

    m_okCancel = answer.chosen ? 1 : 0;
    if (answer.chosen) {
        m_fileName = answer.fileName;
        m_filePath = answer.filePath;
    }
    if (m_showOnlyFolders == 1)
        m_recordedFolder = answer.recordedFolder;
    return S_OK;
}

HRESULT FileBrowser::get_FileName(BSTR* pVal)
{
    if (m_showOnlyFolders == 1)
        m_fileName = m_recordedFolder;
    return copyOut(m_fileName, pVal);
}

HRESULT FileBrowser::put_Title(BSTR newVal)
{
    m_title = com::toQString(newVal);
    return S_OK;
}

HRESULT FileBrowser::put_DefaultDirectory(BSTR newVal)
{
    m_defaultDirectory = com::toQString(newVal);
    return S_OK;
}

HRESULT FileBrowser::put_Filters(BSTR newVal)
{
    m_filters = com::toQString(newVal);
    return S_OK;
}

HRESULT FileBrowser::get_OkCancel(std::int32_t* pVal)
{
    if (!pVal)
        return E_POINTER;
    *pVal = m_okCancel;
    return S_OK;
}

HRESULT FileBrowser::get_FilePath(BSTR* pVal)
{
    return copyOut(m_filePath, pVal);
}

HRESULT FileBrowser::put_ShowOnlyFolders(std::int32_t newVal)
{
    m_showOnlyFolders = newVal != 0 ? 1 : 0;
    return S_OK;
}

HRESULT FileBrowser::put_MaxFilesize(std::int32_t newVal)
{
    m_maxFilesize = newVal;
    return S_OK;
}

HRESULT FileBrowser::get_Tag(BSTR* pVal)
{
    return copyOut(m_tag, pVal);
}

HRESULT FileBrowser::put_Tag(BSTR newVal)
{
    m_tag = com::toQString(newVal);
    return S_OK;
}

HRESULT FileBrowser::put_SaveExtension(BSTR newVal)
{
    m_saveExtension = com::toQString(newVal);
    return S_OK;
}

HRESULT FileBrowser::put_SuggestedName(BSTR newVal)
{
    m_suggestedName = com::toQString(newVal);
    return S_OK;
}

} // namespace kestrine
