#include "tools/regsvrce/Registration.h"

#include "platform/com/com.h"
#include "platform/device/DevicePath.h"
#include "platform/framework/MessageBox.h"

#include <QFileInfo>

#include <dlfcn.h>

namespace regsvrce {
namespace {

const QString kCaption = QStringLiteral("RegSvrCE");
const QString kUsage = QStringLiteral("Usage: regsvrce [/s] [/u] LIBRARY");

// A device path first; a host path relative to the working folder when no device file has that name.
QString hostFile(const QString& library)
{
    const std::optional<QString> onDevice = device::toHostPath(library);
    if (onDevice && QFileInfo(*onDevice).isFile())
        return *onDevice;
    const QFileInfo local(library);
    return local.isFile() ? local.absoluteFilePath() : QString();
}

QString hex(HRESULT result)
{
    return QStringLiteral("0x%1").arg(static_cast<std::uint32_t>(result), 8, 16, QLatin1Char('0'));
}

} // namespace

std::optional<Request> parseArguments(const QStringList& arguments)
{
    Request request;
    for (const QString& argument : arguments) {
        const QString lower = argument.toLower();
        if (lower == QLatin1String("/s") || lower == QLatin1String("-s"))
            request.silent = true;
        else if (lower == QLatin1String("/u") || lower == QLatin1String("-u"))
            request.unregister = true;
        else if (argument.startsWith(QLatin1Char('-')) || (argument.startsWith(QLatin1Char('/')) && argument.size() == 2))
            return std::nullopt;
        else if (!request.library.isEmpty())
            return std::nullopt;
        else
            request.library = argument;
    }
    if (request.library.isEmpty())
        return std::nullopt;
    return request;
}

Outcome registerLibrary(const Request& request)
{
    const char* entryName = request.unregister ? "DllUnregisterServer" : "DllRegisterServer";
    const QString entry = QString::fromLatin1(entryName);
    const QString file = hostFile(request.library);
    void* handle = file.isEmpty() ? nullptr : dlopen(file.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return {FailLoad, QStringLiteral("LoadLibrary(\"%1\") failed.").arg(request.library)};

    Outcome outcome;
    const auto function = reinterpret_cast<DllRegisterServerFunction>(dlsym(handle, entryName));
    if (!function) {
        outcome = {FailEntry, QStringLiteral("%1 was loaded, but the %2 entry point was not found.\n\n%1 does not "
                                             "appear to be a component library.")
                                  .arg(request.library, entry)};
    } else if (const HRESULT result = function(); FAILED(result)) {
        outcome = {FailCall,
                   QStringLiteral("%1 in %2 failed.\nReturn code was: %3").arg(entry, request.library, hex(result))};
    } else {
        outcome = {Success, QStringLiteral("%1 in %2 succeeded.").arg(entry, request.library)};
    }
    dlclose(handle);
    return outcome;
}

int run(const QStringList& arguments)
{
    const std::optional<Request> request = parseArguments(arguments);
    if (!request) {
        framework::showMessage(kUsage, kCaption, framework::Buttons::Ok, framework::Icon::Information);
        return FailArguments;
    }
    const Outcome outcome = registerLibrary(*request);
    if (!request->silent)
        framework::showMessage(outcome.message, kCaption, framework::Buttons::Ok,
                               outcome.exit == Success ? framework::Icon::Information : framework::Icon::Warning);
    return outcome.exit;
}

} // namespace regsvrce
