#pragma once
// Records of a delimited text file, one after the other, without holding the file in memory. A value
// in double quotes may hold delimiters, line breaks and doubled quotes; a typed delimiter separates
// exactly one value from the next, so an empty value keeps its place.
#include "tables/delimited/TextSource.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A delimiter as the delimiter list names it.
struct Delimiter {
    QString characters;     // each of them ends a value; none: the whole line is one value
    bool runsAsOne = false; // blanks and tabs, where a run of them lines columns up

    // "[Space]" is a blank or a tab, "[NewLine]" the line end; any other text is a set of characters.
    static Delimiter fromListEntry(const QString& entry);
    bool separates(QChar c) const
    {
        return characters.size() == 1 ? c == characters.front() : characters.contains(c);
    }
};

struct DelimitedRecord {
    QStringList values;
    QList<bool> quoted;      // per value: it stood in double quotes
    int line = 0;            // the file's line the record starts on, from 1
    bool openQuote = false;  // the file ended inside a quoted value
};

class DelimitedReader {
public:
    DelimitedReader(TextSource& source, Delimiter delimiter);

    // The next record; false at the end of the file. Lines without any value are passed over.
    bool next(DelimitedRecord& record);

private:
    // The next character, false at the end of the file; a line end ("\r\n", "\r" or "\n") reads as "\n".
    bool get(QChar& c);
    void readQuoted(QString& value, DelimitedRecord& record);
    // Appends the character just read and those after it up to the next delimiter, quote or line end,
    // straight from the buffer.
    void appendPlainRun(QString& value);

    TextSource& m_source;
    Delimiter m_delimiter;
    QString m_buffer;
    qsizetype m_position = 0;
    bool m_afterReturn = false;
    std::optional<QChar> m_pushedBack;
    int m_line = 1;
};
