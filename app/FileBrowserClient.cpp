#include "app/FileBrowserClient.h"

#include "app/FileBrowserClientFolders.h"
#include "filebrowser/IFileBrowser.h"
#include "platform/com/com.h"
#include "platform/device/DevicePath.h"
#include "platform/framework/MessageBox.h"

#include <QWidget>

namespace {
// COM is initialised around each use of the browser and released after it.
struct ComSession {
    ComSession() { CoInitializeEx(nullptr, 0); }
    ~ComSession() { CoUninitialize(); }
};

template <typename Interface>
void putText(Interface& browser, HRESULT (Interface::*put)(BSTR), const QString& text)
{
    BSTR value = com::allocString(text);
    (browser.*put)(value);
    SysFreeString(value);
}
} // namespace

QString browseWithComponent(const BrowseRequest& request, QWidget* parent)
{
    ComSession session;
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(kFileBrowserProgId, &clsid))) {
        framework::showMessage(QStringLiteral("Failed to get ClassID"), request.failureCaption);
        return {};
    }
    IFileBrowser* browser = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IFileBrowser,
                                reinterpret_cast<void**>(&browser))) ||
        !browser) {
        framework::showMessage(QStringLiteral("Failed to Create Instance"), request.failureCaption);
        return {};
    }
    browser->put_MaxFilesize(request.maxFileSize);
    browser->put_ShowOnlyFolders(request.onlyFolders ? 1 : 0);
    putText(*browser, &IFileBrowser::put_Title, request.title);
    putText(*browser, &IFileBrowser::put_Filters, request.filters);
    if (const QString start = browseStartFolder(request); !start.isEmpty())
        putText(*browser, &IFileBrowser::put_DefaultDirectory, start);
    if (!request.saveExtension.isEmpty()) {
        IFileBrowserSave* save = nullptr;
        if (SUCCEEDED(browser->QueryInterface(IID_IFileBrowserSave, reinterpret_cast<void**>(&save))) && save) {
            putText(*save, &IFileBrowserSave::put_SaveExtension, request.saveExtension);
            putText(*save, &IFileBrowserSave::put_SuggestedName, request.suggestedName);
            save->Release();
        }
    }
    browser->Open(parent ? static_cast<std::uint32_t>(parent->winId()) : 0);

    std::int32_t okCancel = 0;
    browser->get_OkCancel(&okCancel);
    BSTR chosen = nullptr;
    // In folders-only mode the answer is the folder the last Ok press recorded, which Cancel keeps.
    if (request.onlyFolders)
        browser->get_FileName(&chosen);
    else if (okCancel == 1)
        browser->get_FilePath(&chosen);
    const QString path = com::toQString(chosen);
    SysFreeString(chosen);
    browser->Release();
    rememberBrowseFolder(request.purpose, path, request.onlyFolders);
    return path;
}

QString chooseExportFile(BrowseRequest request, QWidget* parent)
{
    request.purpose = BrowsePurpose::Export;
    const QString chosen = browseWithComponent(request, parent);
    return chosen.isEmpty() ? chosen : device::toHostPath(chosen).value_or(QString());
}
