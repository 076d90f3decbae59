#include "forms/format/FormFile.h"

#include "forms/format/CtrlProps.h"
#include "platform/device/DevicePath.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

constexpr int kSqlSourceField = 12;

QString hostPath(const QString& path)
{
    return path.isEmpty() ? QString() : device::toHostPath(path).value_or(QString());
}

// Half a surrogate pair, U+FFFE and U+FFFF are no characters, and the database keeps each of them as the
// replacement character: they read as that here already, so what is stored is what was read.
QString storableText(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate() || c.unicode() >= 0xFFFE)
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QString decode(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE)(bytes.mid(2));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    return QString::fromUtf8(bytes);
}

} // namespace

QString FormNameFromPath(const QString& path)
{
    const qsizetype folderEnd = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    const QString fileName = path.mid(folderEnd + 1);
    return fileName.left(fileName.indexOf(QLatin1Char('.')));
}

std::optional<QString> ReadFormFile(const QString& path)
{
    QFile file(hostPath(path));
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = storableText(decode(file.readAll()));
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

bool WriteFormFile(const QString& path, const QString& text)
{
    QSaveFile file(hostPath(path));
    if (file.fileName().isEmpty() || !file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size() && file.commit();
}

ExportResult ExportFormFile(FormStore& store, const QString& formName, const QString& path)
{
    const std::optional<FormRow> row = store.findForm(formName);
    if (!row)
        return ExportResult::NoSuchForm;
    return WriteFormFile(path, row->ctrlProps) ? ExportResult::Written : ExportResult::WriteFailed;
}

ImportResult ImportFormFile(FormStore& store, const QString& path, QString* formName)
{
    const QString name = FormNameFromPath(path);
    if (formName)
        *formName = name;
    const std::optional<QString> text = ReadFormFile(path);
    if (!text)
        return ImportResult::Unreadable;
    // The designer never lets such a name exist, and no command could reach the form by it.
    if (!ValidateObjectName(name))
        return ImportResult::InvalidName;
    if (store.findForm(name))
        return ImportResult::Exists;
    const QString firstRecord = text->left(text->indexOf(QLatin1Char('|')));
    return store.addForm({name, GetField(firstRecord, kSqlSourceField), *text}) ? ImportResult::Added
                                                                                : ImportResult::AddFailed;
}
