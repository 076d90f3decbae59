#include "tables/delimited/TextSource.h"

#include <array>

namespace {

constexpr qint64 kPieceBytes = 64 * 1024;

// The characters of bytes 0x80 to 0x9F; the five bytes the encoding leaves unassigned keep their value.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// How many bytes at the end of `bytes` begin a UTF-8 character that goes on past them.
qsizetype unfinishedUtf8Tail(const QByteArray& bytes)
{
    const auto byteAt = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    qsizetype lead = bytes.size() - 1;
    while (lead >= 0 && bytes.size() - lead <= 3 && (byteAt(lead) & 0xC0) == 0x80)
        --lead;
    if (lead < 0 || byteAt(lead) < 0xC0)
        return 0;
    const qsizetype length = byteAt(lead) >= 0xF0 ? 4 : byteAt(lead) >= 0xE0 ? 3 : 2;
    return bytes.size() - lead < length ? bytes.size() - lead : 0;
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = QChar(value >= 0x80 && value < 0xA0 ? kHighControls[value - 0x80] : char16_t(value));
    }
    return text;
}

bool TextSource::open(const QString& hostPath)
{
    m_file.setFileName(hostPath);
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    m_encoding = detect();
    m_textStart = m_file.pos();
    startDecoding();
    return true;
}

bool TextSource::rewind()
{
    if (!m_file.seek(m_textStart))
        return false;
    startDecoding();
    return true;
}

void TextSource::startDecoding()
{
    switch (m_encoding) {
    case TextEncoding::Utf8: m_decoder = QStringDecoder(QStringDecoder::Utf8); break;
    case TextEncoding::Utf16LittleEndian: m_decoder = QStringDecoder(QStringDecoder::Utf16LE); break;
    case TextEncoding::Utf16BigEndian: m_decoder = QStringDecoder(QStringDecoder::Utf16BE); break;
    case TextEncoding::Windows1252: break;
    }
}

// Leaves the file at the first byte of text, after any byte-order mark.
TextEncoding TextSource::detect()
{
    const QByteArray start = m_file.peek(3);
    if (start.startsWith("\xFF\xFE")) {
        m_file.seek(2);
        return TextEncoding::Utf16LittleEndian;
    }
    if (start.startsWith("\xFE\xFF")) {
        m_file.seek(2);
        return TextEncoding::Utf16BigEndian;
    }
    const qint64 textStart = start.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    m_file.seek(textStart);
    // The whole file is checked without being converted, which would cost as much as reading it for
    // its records; a character cut by the end of a piece is checked with the next piece. A file
    // whose last character is cut short still reads as UTF-8.
    bool valid = true;
    QByteArray piece;
    while (valid && !m_file.atEnd()) {
        piece += m_file.read(kPieceBytes);
        const qsizetype whole = piece.size() - unfinishedUtf8Tail(piece);
        valid = QByteArrayView(piece.constData(), whole).isValidUtf8();
        piece.remove(0, whole);
    }
    m_file.seek(textStart);
    return valid || textStart ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

QString TextSource::read()
{
    QString text;
    while (text.isEmpty() && !m_file.atEnd()) {
        const QByteArray bytes = m_file.read(kPieceBytes);
        text = m_encoding == TextEncoding::Windows1252 ? decodeWindows1252(bytes) : QString(m_decoder.decode(bytes));
    }
    return text;
}
