#pragma once
// The expression builder (template 153): an expression composed from lists of functions, constants,
// operators and the database's fields. The choices are ExprBuilder's; this dialog only shows them.
#include "logic/ExprBuilder.h"

#include <QDialog>

#include <optional>

class CAppContext;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;

class CExprBuilderDlg : public QDialog {
    Q_OBJECT
public:
    // Who opens the builder: the table designer reads the current field's stored rule first.
    enum Caller { kTableDesigner = 0, kOtherCaller = 1 };

    CExprBuilderDlg(CAppContext& context, int caller, QWidget* parent = nullptr);

    // Shows the builder for `mode` starting from `text`; returns the text it closed with (OK or Cancel),
    // which g_strBuilderText holds as well.
    static QString compose(CAppContext& context, QWidget* parent, int mode, const QString& text);
    // The table designer's entry: the rule or default value of table.field, or a calculation (mode 4).
    // An empty field name means the designer has no current field. The text it closed with on OK;
    // nullopt when it closed otherwise, so that a cancelled edit changes nothing.
    static std::optional<QString> composeForField(CAppContext& context, QWidget* parent, int mode,
                                                  const QString& table, const QString& field,
                                                  const QString& text = QString());

    // Set by the caller before exec().
    QString initialText;
    int builderMode = kDefaultValue;
    QString designerTable;
    QString designerField;

    int exec() override;
    void done(int result) override;

    QPlainTextEdit* expressionBox() const { return m_expression; }

private:
    void insertText(const QString& text);
    void clearText();
    void categoryChosen(int row);
    void groupChosen(int row);
    void itemChosen(QListWidgetItem* item);
    QWidget* makeOperatorButtons();

    ExprBuilder m_builder;
    int m_caller;
    QPlainTextEdit* m_expression;
    QListWidget* m_categories;
    QListWidget* m_groups;
    QListWidget* m_items;
    QLabel* m_example;
};
