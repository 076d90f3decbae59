#pragma once
// A text file read in pieces and decoded from the encoding it was written in: UTF-16 when it starts with
// a byte-order mark, UTF-8 (with or without a mark) when all of it is valid UTF-8, and otherwise
// Windows-1252, the encoding of most text files that are neither.
#include <QFile>
#include <QString>
#include <QStringDecoder>

enum class TextEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Windows1252 };

class TextSource {
public:
    // False when the file cannot be opened for reading.
    bool open(const QString& hostPath);
    TextEncoding encoding() const { return m_encoding; }
    // Back to the first character of the text, to read it again in the encoding found on opening.
    bool rewind();
    // The next piece of the text; empty at the end of the file.
    QString read();
    // Bytes of the file, and how many of them were read so far.
    qint64 size() const { return m_file.size(); }
    qint64 position() const { return m_file.pos(); }

private:
    TextEncoding detect();
    void startDecoding();

    QFile m_file;
    qint64 m_textStart = 0; // after any byte-order mark
    TextEncoding m_encoding = TextEncoding::Utf8;
    QStringDecoder m_decoder;
};

QString decodeWindows1252(QByteArrayView bytes);
