#include "tables/TextSearch.h"

QList<qsizetype> TextSearch::occurrences(const QString& value) const
{
    QList<qsizetype> found;
    if (text.isEmpty())
        return found;
    const Qt::CaseSensitivity sensitivity = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = value.indexOf(text, 0, sensitivity); at >= 0;) {
        const qsizetype end = at + text.size();
        const bool alone = (at == 0 || value[at - 1] == u' ') && (end == value.size() || value[end] == u' ');
        if (!wholeWord || alone) {
            found << at;
            at = value.indexOf(text, end, sensitivity);
        } else {
            at = value.indexOf(text, at + 1, sensitivity);
        }
    }
    return found;
}

QString TextSearch::replaced(const QString& value, const QString& replacement) const
{
    QString result;
    qsizetype from = 0;
    for (const qsizetype at : occurrences(value)) {
        result += value.mid(from, at - from) + replacement;
        from = at + text.size();
    }
    return result + value.mid(from);
}
