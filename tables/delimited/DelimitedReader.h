#pragma once
// Records of a delimited text file, one after the other, without holding the file in memory. A value
// in double quotes may hold delimiters, line breaks and doubled quotes, all kept as written; a typed
// delimiter separates exactly one value from the next, so an empty value keeps its place.
#include "tables/delimited/TextSource.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// A delimiter as the delimiter list names it.
struct Delimiter {
    QString text;        // what ends a value, however many characters; none: the whole line is one value
    bool blanks = false; // any run of blanks and tabs ends one value, where blanks line columns up

    // "[Space]" is a run of blanks or tabs, "[Tab]" (or "\t" as typed) a tab, "[NewLine]" the line end;
    // any other text is the delimiter as it stands.
    static Delimiter fromListEntry(const QString& entry);
    bool splitsLines() const { return blanks || !text.isEmpty(); }
    // Whether a value needs quotes to stay one value: it holds a character of the delimiter.
    bool isBrokenBy(const QString& value) const;
};

struct DelimitedRecord {
    QStringList values;
    QList<bool> quoted;      // per value: it stood in double quotes
    QList<qsizetype> lengths; // per value, its characters; only from a measuring read, which leaves `values` empty
    int line = 0;            // the file's line the record starts on, from 1
    bool openQuote = false;  // the file ended inside a quoted value
};

class DelimitedReader {
public:
    // With `skipComments`, a line whose first character is "#" holds no record.
    DelimitedReader(TextSource& source, Delimiter delimiter, bool skipComments = false);

    // The next record; false at the end of the file. Lines without any value are passed over.
    bool next(DelimitedRecord& record) { return read(record, false); }
    // The next record's shape without its text, for a pass that only measures the file: how long each
    // value is and which stood in quotes, as next() would read them.
    bool measure(DelimitedRecord& record) { return read(record, true); }

private:
    bool read(DelimitedRecord& record, bool measuring);
    // The next character, false at the end of the file; a line end ("\r\n", "\r" or "\n") reads as "\n".
    // Most characters are neither a line end nor pushed back, and are taken straight from the buffer.
    bool get(QChar& c)
    {
        if (m_pushedBack || m_afterReturn || m_position >= m_buffer.size() || m_buffer.constData()[m_position] == u'\r')
            return getSlowly(c);
        c = m_buffer.constData()[m_position++];
        return true;
    }
    bool getSlowly(QChar& c);
    // False at the end of the file; else the buffer holds at least one character at m_position.
    bool fill();
    // Whether the character just read starts the delimiter; its other characters are then read too.
    bool atDelimiter(QChar c)
    {
        if (m_delimiter.blanks)
            return c == u' ' || c == u'\t';
        if (m_delimiter.text.isEmpty() || c != m_delimiter.text.front())
            return false;
        return m_delimiter.text.size() == 1 || restOfDelimiterFollows();
    }
    bool restOfDelimiterFollows();
    // The value read into is written over from its start: the characters of the record before are
    // replaced rather than emptied and appended to, which would cost twice for each value.
    void startValue(DelimitedRecord& record, qsizetype index);
    void append(QStringView run);
    void endValue(DelimitedRecord& record, qsizetype index);
    // After the opening quote: up to the closing one, every character as it stands.
    void readQuoted(DelimitedRecord& record);
    // Appends the character just read and those after it up to the next delimiter, quote or line end,
    // straight from the buffer.
    void appendPlainRun();
    // A line end, a quote or the first character of the delimiter (a tab too where blanks delimit).
    bool endsPlainRun(char16_t c) const
    {
        return c < m_endsRun.size() ? m_endsRun[c] : c == m_firstOfDelimiter;
    }
    // Passes over the rest of the line; false when the file ends first.
    bool skipLine();

    TextSource& m_source;
    Delimiter m_delimiter;
    bool m_skipComments = false;
    char16_t m_firstOfDelimiter;
    std::array<bool, 128> m_endsRun{}; // by character, whether one below 128 ends a plain run
    QString m_buffer;
    qsizetype m_position = 0;
    bool m_afterReturn = false;
    std::optional<QChar> m_pushedBack;
    int m_line = 1;
    bool m_measuring = false;
    QString* m_value = nullptr; // the value being read, unless measuring
    qsizetype m_valueSize = 0;  // how many of its characters are this record's
};
