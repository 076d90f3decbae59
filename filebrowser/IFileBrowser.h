#pragma once
// The file browser component's one class and its dual interface, as clients see them.
#include "platform/com/com.h"

#include <cstdint>

constexpr CLSID CLSID_FileBrowser = {0x4374E9C7, 0x967E, 0x408B, {0x99, 0xE8, 0x2B, 0x61, 0x67, 0x5F, 0x0C, 0x83}};
constexpr IID IID_IFileBrowser = {0xB33AE408, 0xA9E2, 0x4734, {0x84, 0x48, 0x5D, 0x53, 0x26, 0xAA, 0x42, 0xBB}};
constexpr GUID LIBID_KESTRINELib = {0x8FC87EF2, 0xF300, 0x45AC, {0x8B, 0x94, 0x67, 0x49, 0xB2, 0x44, 0x5C, 0x11}};

inline constexpr const OLECHAR* kFileBrowserProgId = u"Kestrine.FileBrowser.1";
inline constexpr const OLECHAR* kFileBrowserVersionIndependentProgId = u"Kestrine.FileBrowser";

// Slots follow IDispatch's in this order; each operation's dispatch id is given beside it.
struct IFileBrowser : IDispatch {
    virtual HRESULT Open(std::uint32_t pParentWnd) = 0;              // 1
    virtual HRESULT get_FileName(BSTR* pVal) = 0;                    // 2
    virtual HRESULT put_Title(BSTR newVal) = 0;                      // 3
    virtual HRESULT put_DefaultDirectory(BSTR newVal) = 0;           // 4
    virtual HRESULT put_Filters(BSTR newVal) = 0;                    // 5
    virtual HRESULT get_OkCancel(std::int32_t* pVal) = 0;            // 6
    virtual HRESULT get_FilePath(BSTR* pVal) = 0;                    // 7
    virtual HRESULT put_ShowOnlyFolders(std::int32_t newVal) = 0;    // 8
    virtual HRESULT put_MaxFilesize(std::int32_t newVal) = 0;        // 9
    virtual HRESULT get_Tag(BSTR* pVal) = 0;                         // 10
    virtual HRESULT put_Tag(BSTR newVal) = 0;                        // 10

protected:
    ~IFileBrowser() = default;
};

// The desktop's second interface on the same object, beside the fixed one, so that the dialogs that
// name a file to write (a new database, an exported form) are this chooser too. Not dispatchable.
constexpr IID IID_IFileBrowserSave = {0x6D1A7C3E, 0x52B4, 0x4F0E, {0x9A, 0x61, 0x3C, 0x8E, 0x27, 0xD4, 0x90, 0x15}};

struct IFileBrowserSave : IUnknown {
    // Not empty: Ok on a typed name that does not exist chooses it, with this extension ("cdb") added
    // when the name has none; a name that exists is chosen once the user agrees to replace it.
    virtual HRESULT put_SaveExtension(BSTR newVal) = 0;
    // The file-name box's text when the chooser opens.
    virtual HRESULT put_SuggestedName(BSTR newVal) = 0;

protected:
    ~IFileBrowserSave() = default;
};
