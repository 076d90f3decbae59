#pragma once
// What the expression builder offers and checks: its categories, groups and items, the text an item or
// operator button puts into the expression, the example line, and the rule OK applies. The dialog
// only shows these and passes the user's choices in.
#include <QString>
#include <QStringList>

#include <optional>

class CAppContext;

// What the builder composes; decides which texts OK accepts and what the table designer shows first.
enum BuilderMode { kValidationRule = 0, kDefaultValue = 1, kCalculation = 4 };

// Positions in the categories list.
enum BuilderCategory { kFunctions = 0, kConstants = 1, kOperators = 2, kTables = 3, kQueries = 4 };

class ExprBuilder {
public:
    explicit ExprBuilder(CAppContext& context) : m_context(context) {}

    static QStringList categories();
    // Tables and Queries are read from the open database; the fixed categories have fixed groups.
    QStringList groups(int category) const;
    QStringList items(int category, const QString& group) const;
    // What a double-clicked item puts in place of the expression's selection: a field reference for
    // Tables and Queries, the item itself otherwise.
    static QString insertedText(int category, const QString& group, const QString& item);
    // The example line for a double-clicked item; empty when the item has none.
    static QString exampleText(const QString& item);
    // The text an operator button (by control id) puts in place of the selection; empty for other ids.
    static QString operatorText(int buttonId);

    // OK's rule: a validation rule must be a condition on the entered value. Shows the message and
    // returns false when the text is refused.
    static bool acceptText(const QString& text, int mode);

    // The table designer's field rule to start from: the stored validation rule (mode 0) or default
    // value (mode 1) of table.field; nullopt when there is none to read.
    std::optional<QString> storedFieldRule(const QString& table, const QString& field, int mode) const;

private:
    QStringList tableNames() const;
    QStringList queryNames() const;
    QStringList columnNames(const QString& sql) const;

    CAppContext& m_context;
};
