#include "logic/queries/QueryBuilder.h"

#include "data/SqlText.h"
#include "logic/queries/QuerySources.h"

QueryBuilder::QueryBuilder(CAppContext& context, const QString& statement)
    : m_context(context), m_text(statement), m_caret(statement.size())
{
}

QStringList QueryBuilder::tables() const { return QueryTableNames(m_context); }

QStringList QueryBuilder::fields(const QString& table) const { return QueryFieldNames(m_context, table); }

void QueryBuilder::setText(const QString& text, qsizetype caret)
{
    m_text = text;
    m_caret = qBound<qsizetype>(0, caret, text.size());
}

void QueryBuilder::appendWord(const QString& word)
{
    if (!m_text.isEmpty())
        m_text += QLatin1Char(' ');
    m_text += word;
    m_caret = m_text.size();
}

QString QueryBuilder::buttonWord(int id)
{
    static const std::pair<int, const char*> words[] = {
        {264, "Select"}, {302, "From"}, {305, "Where"}, {366, "Order By"}, {371, "INNER JOIN"}, {376, "DESC"},
        {386, "AND"},    {352, "OR"},   {308, "NOT"},   {835, "LIKE"},     {391, "IS"},         {459, "NULL"},
        {329, "*"},      {335, "%"},    {471, "="},     {441, "<"},        {453, ">"},          {396, "."},
        {402, ","},      {413, "("},    {429, ")"},     {405, "'"}};
    for (const auto& [button, word] : words)
        if (button == id)
            return QString::fromLatin1(word);
    return {};
}

void QueryBuilder::appendName(const QString& name) { appendWord(sqlName(name)); }

void QueryBuilder::appendField(const QString& table, const QString& field)
{
    appendWord(sqlName(table) + QLatin1Char('.') + sqlName(field));
}

void QueryBuilder::backspace()
{
    if (m_caret == 0)
        return;
    m_text.remove(--m_caret, 1);
}

void QueryBuilder::deleteForward()
{
    if (m_caret < m_text.size())
        m_text.remove(m_caret, 1);
}

void QueryBuilder::enterDigit(int digit)
{
    m_text.insert(m_caret++, QChar(u'0' + digit));
}
