#include "data/LanguageLibrary.h"

#include "platform/device/Files.h"
#include "platform/device/TextFile.h"
#include "platform/framework/ResourceTexts.h"

namespace {
// The line buffer holds 200 characters with the closing zero, so a longer first line counts only so far.
constexpr qsizetype kLineBufferChars = 199;
const QString kLanguageFile = QStringLiteral("Windows//Varnel.cfg");
} // namespace

QString languageNamedBy(const QString& firstLine)
{
    const qsizetype equals = firstLine.indexOf(QLatin1Char('='));
    if (equals < 0)
        return QString();
    if (firstLine.left(equals).trimmed().compare(QLatin1String("Lang"), Qt::CaseInsensitive) != 0)
        return QString();
    return firstLine.mid(equals + 1).trimmed();
}

QString languageLibraryFor(const QString& language)
{
    Q_UNUSED(language);
    return QStringLiteral("XNEnglish.dll");
}

bool seedLanguageFile()
{
    if (device::fileExists(kLanguageFile))
        return true;
    return device::writeTextFile(kLanguageFile, QStringLiteral("Lang=English\n"));
}

bool loadLanguageLibrary()
{
    device::TextReader file(kLanguageFile);
    const QString firstLine = file.isOpen() ? file.readLine(kLineBufferChars).value_or(QString()) : QString();
    const QString library = languageLibraryFor(languageNamedBy(firstLine));
    return framework::loadResourceLibrary(QStringLiteral("\\Windows\\") + library);
}

void SelectLanguageLibrary(CAppContext& context)
{
    context.languageLibraryLoaded = loadLanguageLibrary();
}
