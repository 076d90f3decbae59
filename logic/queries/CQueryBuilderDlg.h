#pragma once
// The Query Builder (template 169): a statement typed as text, with the lists of tables and fields and
// the keyword, sign, digit and editing buttons of QueryBuilder.
#include "logic/queries/QueryBuilder.h"

#include <QDialog>

#include <optional>

class QListWidget;
class QPlainTextEdit;

class CQueryBuilderDlg : public QDialog {
    Q_OBJECT
public:
    CQueryBuilderDlg(CAppContext& context, const QString& statement, QWidget* parent = nullptr);

    // Shows the builder on `statement`; the text when the user chose "Save SQL Changes".
    static std::optional<QString> build(CAppContext& context, const QString& statement, QWidget* parent);

    QueryBuilder& builder() { return m_builder; }
    QPlainTextEdit* statementBox() const { return m_text; }
    // Presses the button of that control id (a keyword, sign, digit, "B K" or "D E L").
    void press(int id);

private:
    void tableChosen();
    void showText();

    QueryBuilder m_builder;
    QListWidget* m_tables;
    QListWidget* m_fields;
    QPlainTextEdit* m_text;
};
