#pragma once
// Text files of the device. Every text file the system writes or reads is UTF-8 (a byte-order mark is
// skipped on reading); line ends are "\n" on writing and "\n" or "\r\n" on reading.
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringDecoder>

#include <optional>

namespace device {

// Reads a text file line by line.
class TextReader {
public:
    // Opens the file; isOpen() tells whether that worked (a refused path or a missing file does not).
    explicit TextReader(const QString& path);

    bool isOpen() const { return m_file.isOpen(); }
    // The next line without its line end, at most maxChars characters of it (the rest of a longer line
    // comes with the next call); nullopt at the end of the file.
    std::optional<QString> readLine(qsizetype maxChars = -1);

private:
    bool fill();

    QFile m_file;
    QStringDecoder m_decoder{QStringDecoder::Utf8};
    QString m_pending;
    bool m_atEnd = false;
    bool m_firstBlock = true;
};

// Writes a text file: nothing reaches the path until commit(), which replaces any earlier file whole,
// so a failure half-way never leaves a truncated file behind.
class TextWriter {
public:
    explicit TextWriter(const QString& path);

    bool isOpen() const { return m_file.isOpen(); }
    void write(const QString& text);
    void writeLine(const QString& line) { write(line + QLatin1Char('\n')); }
    // True when everything written is on disk under the path.
    bool commit();

private:
    QSaveFile m_file;
    bool m_failed = false;
};

// The whole file as text; nullopt when it cannot be read.
std::optional<QString> readTextFile(const QString& path);
bool writeTextFile(const QString& path, const QString& text);

} // namespace device
