#pragma once
#include "filebrowser/IFileBrowser.h"
#include "filebrowser/component/RefCount.h"

#include <QString>

#include <cstdint>

namespace kestrine {

// The FileBrowser object: the client's settings, the last answer, and the chooser run by Open.
// Callable through its function table and, with the same effect, through IDispatch; the save settings
// only through their own function table.
class FileBrowser final : public IFileBrowser, public IFileBrowserSave {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** typeInfo) override;
    HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excepInfo, UINT* argErr) override;

    HRESULT Open(std::uint32_t pParentWnd) override;
    HRESULT get_FileName(BSTR* pVal) override;
    HRESULT put_Title(BSTR newVal) override;
    HRESULT put_DefaultDirectory(BSTR newVal) override;
    HRESULT put_Filters(BSTR newVal) override;
    HRESULT get_OkCancel(std::int32_t* pVal) override;
    HRESULT get_FilePath(BSTR* pVal) override;
    HRESULT put_ShowOnlyFolders(std::int32_t newVal) override;
    HRESULT put_MaxFilesize(std::int32_t newVal) override;
    HRESULT get_Tag(BSTR* pVal) override;
    HRESULT put_Tag(BSTR newVal) override;

    HRESULT put_SaveExtension(BSTR newVal) override;
    HRESULT put_SuggestedName(BSTR newVal) override;

private:
    HRESULT invokePut(DISPID id, const VARIANT& value, UINT* argErr);
    HRESULT invokeGet(DISPID id, VARIANT* result);

    RefCount m_refs;
    QString m_title;
    QString m_filters;
    QString m_defaultDirectory;
    QString m_fileName;
    QString m_filePath;
    QString m_tag;
    QString m_recordedFolder;
    QString m_saveExtension;
    QString m_suggestedName;
    std::int32_t m_okCancel = 0;
    std::int32_t m_showOnlyFolders = 0;
    std::int32_t m_maxFilesize = -1;
};

} // namespace kestrine
