#pragma once
// What the table designer needs of the world around it: the database window's tables list and its
// designer mode, and the expression builder. The program gives the real ones; tests give their own.
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class DesignerHost {
public:
    virtual ~DesignerHost() = default;

    // 0 while a new table is designed, 1 while an existing one is edited.
    virtual int designerMode() const = 0;
    virtual void setDesignerMode(int mode) = 0;
    virtual QStringList tableNames() const = 0;
    virtual QString selectedTableName() const = 0;
    virtual void addTable(const QString& name, const QString& tableId) = 0;
    virtual void selectTable(const QString& name) = 0;
};

// Opens the expression builder on `text` in a builder mode (0 validation rule, 1 default value,
// 4 calculation) for `field` of `table`, the designer's current field; the composed text, or nullopt
// when the user did not close it with OK.
using ExpressionBuilder = std::function<std::optional<QString>(const QString& text, int mode, const QString& table,
                                                               const QString& field)>;
