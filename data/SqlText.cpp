#include "data/SqlText.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"

#include <QSet>

namespace {

// As the engine's tokenizer reads a word: an ASCII letter, "_", "$", "#" or any other letter first,
// then those or ASCII digits.
bool isWordCharacter(QChar c, bool first)
{
    const char16_t u = c.unicode();
    if (u >= 128)
        return c.isLetter();
    const bool letter = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == '$' || u == '#';
    return letter || (!first && u >= '0' && u <= '9');
}

// The words the engine's statements are made of; standing bare, one of them would read as itself.
bool isDialectWord(const QString& name)
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const char* word :
             {"ADD",     "ALTER",  "AND",    "ASC",   "BY",     "CASESENSITIVE", "COLUMN", "CREATE", "DATABASE",
              "DELETE",  "DESC",   "DROP",   "FALSE", "FROM",   "INDEX",         "INNER",  "INSERT", "INTO",
              "IS",      "JOIN",   "LIKE",   "LONG",  "NOT",    "NULL",          "ON",     "OR",     "ORDER",
              "RENAME",  "SELECT", "TABLE",  "TO",    "TRUE",   "UNIQUE",        "UNKNOWNFIRST", "VALUES",
              "WHERE"})
            set.insert(QString::fromLatin1(word));
        return set;
    }();
    return words.contains(name.toUpper());
}

bool isPlainName(const QString& name)
{
    if (name.isEmpty() || isDialectWord(name))
        return false;
    for (qsizetype i = 0; i < name.size(); ++i)
        if (!isWordCharacter(name[i], i == 0))
            return false;
    return true;
}

} // namespace

QString sqlQuoted(const QString& text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString sqlName(const QString& name)
{
    return isPlainName(name) ? name : sqlQuoted(name);
}

QString tableIdOf(CAppContext& context, const QString& table)
{
    CDbRecordset ids(context.connection, context.databasePath());
    if (!ids.Open(QStringLiteral("SELECT TableID FROM MSysTables WHERE TableName = ") + sqlQuoted(table), 0, 1) ||
        ids.IsEOF())
        return {};
    return ids.GetFieldString(0);
}
