#include "tables/delimited/ImportFieldNames.h"

namespace {

// The catalogue keeps this many characters of a field's name.
constexpr qsizetype kLongestName = 64;

const QString kSpecial = QStringLiteral("/,;:`~!@#%^&*-_+|?.><");

QString nameFailure(const QString& name)
{
    bool number = false;
    name.toDouble(&number);
    if (number)
        return QStringLiteral("FieldName Can't be a Number");
    for (const QChar c : name)
        if (kSpecial.contains(c))
            return QStringLiteral("Special Characters are not allowed in Field Name");
    if (name.contains(u' '))
        return QStringLiteral("Spaces are not allowed in Field Name");
    // An empty name would drop the column and shift every later value into the wrong field.
    if (name.trimmed().isEmpty())
        return QStringLiteral("Field Name Can't be Empty");
    return {};
}

// The words between refused characters (and blanks of any kind), joined with the first letter of each after
// the first made a capital.
QString joinedWords(const QString& name)
{
    QString joined;
    bool capital = false;
    for (const QChar c : name) {
        if (kSpecial.contains(c) || c.isSpace()) {
            capital = !joined.isEmpty();
            continue;
        }
        joined += capital ? c.toUpper() : c;
        capital = false;
    }
    return joined;
}

bool isTaken(const QStringList& names, const QString& name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

} // namespace

QString importFieldNameFailure(const QList<FieldDefinition>& fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (const QString failure = nameFailure(fields[i].name); !failure.isEmpty())
            return failure;
        for (qsizetype j = 0; j < i; ++j)
            if (fields[j].name.compare(fields[i].name, Qt::CaseInsensitive) == 0)
                return QStringLiteral("Field already exists");
    }
    return {};
}

QStringList proposedFieldNames(const QStringList& headers)
{
    QStringList names;
    for (qsizetype column = 0; column < headers.size(); ++column) {
        const QString header = headers[column].trimmed();
        QString name = nameFailure(header).isEmpty() ? header : joinedWords(header);
        if (name.isEmpty())
            name = QStringLiteral("Field") + QString::number(column);
        else if (!nameFailure(name).isEmpty())
            name = QStringLiteral("Field") + name; // a number
        name.truncate(kLongestName);
        const QString base = name;
        for (int n = 2; isTaken(names, name); ++n) {
            const QString suffix = QString::number(n);
            name = base.left(kLongestName - suffix.size()) + suffix;
        }
        names << name;
    }
    return names;
}
