#pragma once
// Finding a text in a field's value and replacing it, as the find dialog's check boxes ask.
#include <QList>
#include <QString>

struct TextSearch {
    QString text;
    bool matchCase = false;
    // The text must stand alone: the whole value, or bounded by blanks or the value's ends.
    bool wholeWord = false;

    // Where the text occurs in `value`, without overlaps; none for an empty text.
    QList<qsizetype> occurrences(const QString& value) const;
    bool matches(const QString& value) const { return !occurrences(value).isEmpty(); }
    // `value` with every occurrence replaced by `replacement`.
    QString replaced(const QString& value, const QString& replacement) const;
};
