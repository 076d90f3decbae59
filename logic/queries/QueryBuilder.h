#pragma once
// The Query Builder: a statement typed as text with the help of keyword, sign and digit buttons and the
// lists of tables and their fields. The text and the caret are kept here; the dialog mirrors them.
#include <QString>
#include <QStringList>

class CAppContext;

class QueryBuilder {
public:
    QueryBuilder(CAppContext& context, const QString& statement);

    QStringList tables() const;
    QStringList fields(const QString& table) const;

    const QString& text() const { return m_text; }
    qsizetype caret() const { return m_caret; }
    // The user typed in the box.
    void setText(const QString& text, qsizetype caret);

    // A keyword or sign button: the word goes at the end, one space after any text there.
    void appendWord(const QString& word);
    // The text of a keyword or sign button by its control id; empty for any other id.
    static QString buttonWord(int id);
    // A table or field picked from the lists, placed at the end as a name the engine reads as one.
    void appendName(const QString& name);
    void appendField(const QString& table, const QString& field);
    // "B K" deletes the character before the caret, "D E L" the one after it.
    void backspace();
    void deleteForward();
    // A digit button enters its digit at the caret.
    void enterDigit(int digit);

private:
    CAppContext& m_context;
    QString m_text;
    qsizetype m_caret = 0;
};
