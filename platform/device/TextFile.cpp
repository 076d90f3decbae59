#include "TextFile.h"

#include "DevicePath.h"

namespace device {

namespace {
constexpr qint64 kBlockSize = 64 * 1024;

QString hostPathOrEmpty(const QString& path)
{
    return path.isEmpty() ? QString() : toHostPath(path).value_or(QString());
}
} // namespace

TextReader::TextReader(const QString& path)
{
    const QString host = hostPathOrEmpty(path);
    if (host.isEmpty())
        return;
    m_file.setFileName(host);
    m_file.open(QIODevice::ReadOnly);
}

bool TextReader::fill()
{
    if (m_atEnd || !isOpen())
        return false;
    const QByteArray block = m_file.read(kBlockSize);
    if (block.isEmpty()) {
        m_atEnd = true;
        m_pending += m_decoder(QByteArray());
        return false;
    }
    QString text = m_decoder(block);
    if (m_firstBlock && text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    m_firstBlock = false;
    m_pending += text;
    return true;
}

std::optional<QString> TextReader::readLine(qsizetype maxChars)
{
    qsizetype newline = m_pending.indexOf(QLatin1Char('\n'));
    while (newline < 0 && (maxChars < 0 || m_pending.size() < maxChars) && fill())
        newline = m_pending.indexOf(QLatin1Char('\n'));
    if (m_pending.isEmpty())
        return std::nullopt;

    qsizetype length = newline < 0 ? m_pending.size() : newline;
    if (maxChars >= 0 && length > maxChars) {
        QString head = m_pending.left(maxChars);
        m_pending.remove(0, maxChars);
        return head;
    }
    QString line = m_pending.left(length);
    m_pending.remove(0, newline < 0 ? length : length + 1);
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

TextWriter::TextWriter(const QString& path)
{
    const QString host = hostPathOrEmpty(path);
    if (host.isEmpty())
        return;
    m_file.setFileName(host);
    m_file.open(QIODevice::WriteOnly);
}

void TextWriter::write(const QString& text)
{
    if (!isOpen())
        return;
    const QByteArray bytes = text.toUtf8();
    if (m_file.write(bytes) != bytes.size())
        m_failed = true;
}

bool TextWriter::commit()
{
    if (!isOpen())
        return false;
    if (m_failed) {
        m_file.cancelWriting();
        m_file.commit();
        return false;
    }
    return m_file.commit();
}

std::optional<QString> readTextFile(const QString& path)
{
    const QString host = hostPathOrEmpty(path);
    QFile file(host);
    if (host.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool writeTextFile(const QString& path, const QString& text)
{
    TextWriter writer(path);
    writer.write(text);
    return writer.commit();
}

} // namespace device
