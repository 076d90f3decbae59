#include "logic/CExprBuilderDlg.h"

#include "logic/ScriptValues.h"
#include "platform/framework/MessageBox.h"
#include "widgets/WindowSize.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The operator buttons by control id, in the order they are laid out.
const int kOperatorButtons[] = {263, 301, 304, 307, 324, 327, 333, 340, 345, 350, 384, 364, 369};

QListWidget* makeList(const char* name)
{
    auto* list = new QListWidget;
    list->setObjectName(QLatin1String(name));
    return list;
}

} // namespace

CExprBuilderDlg::CExprBuilderDlg(CAppContext& context, int caller, QWidget* parent)
    : QDialog(parent), m_builder(context), m_caller(caller), m_expression(new QPlainTextEdit),
      m_categories(makeList("categories")), m_groups(makeList("groups")), m_items(makeList("items")),
      m_example(new QLabel)
{
    setWindowTitle(QString());
    m_expression->setObjectName(QStringLiteral("expression"));
    m_example->setObjectName(QStringLiteral("example"));
    // Four lines of the expression, the rest of the height for the lists.
    m_expression->setMaximumHeight(m_expression->fontMetrics().lineSpacing() * 4 + 2 * m_expression->frameWidth() +
                                   int(2 * m_expression->document()->documentMargin()));

    auto* undo = new QPushButton(QStringLiteral("UNDO"));
    auto* clear = new QPushButton(QStringLiteral("CLEAR"));
    // LIKE is offered but has no action.
    auto* like = new QPushButton(QStringLiteral("LIKE"));
    connect(undo, &QPushButton::clicked, m_expression, &QPlainTextEdit::undo);
    connect(clear, &QPushButton::clicked, this, &CExprBuilderDlg::clearText);
    auto* edits = new QHBoxLayout;
    edits->addWidget(undo);
    edits->addWidget(clear);
    edits->addWidget(like);

    // Two lists side by side and the items under them across the whole width, so that table, field and
    // function names can be read without scrolling sideways.
    auto* lists = new QGridLayout;
    lists->addWidget(m_categories, 0, 0);
    lists->addWidget(m_groups, 0, 1);
    lists->addWidget(m_items, 1, 0, 1, 2);
    lists->setColumnStretch(0, 2);
    lists->setColumnStretch(1, 3);

    auto* exampleLine = new QHBoxLayout;
    exampleLine->addWidget(new QLabel(QStringLiteral("Ex :")));
    exampleLine->addWidget(m_example, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_expression);
    layout->addWidget(makeOperatorButtons());
    layout->addLayout(edits);
    layout->addLayout(lists, 1);
    layout->addLayout(exampleLine);
    layout->addWidget(buttons);

    m_categories->addItems(ExprBuilder::categories());
    connect(m_categories, &QListWidget::currentRowChanged, this, &CExprBuilderDlg::categoryChosen);
    connect(m_groups, &QListWidget::currentRowChanged, this, &CExprBuilderDlg::groupChosen);
    connect(m_items, &QListWidget::itemDoubleClicked, this, &CExprBuilderDlg::itemChosen);
    resizeToText(*this, 100, 30);
}

QWidget* CExprBuilderDlg::makeOperatorButtons()
{
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    int position = 0;
    for (const int id : kOperatorButtons) {
        const QString text = ExprBuilder::operatorText(id);
        auto* button = new QPushButton(text.trimmed());
        button->setObjectName(QStringLiteral("operator%1").arg(id));
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("Not")) + 12);
        connect(button, &QPushButton::clicked, this, [this, text] { insertText(text); });
        grid->addWidget(button, position / 7, position % 7);
        ++position;
    }
    return panel;
}

QString CExprBuilderDlg::compose(CAppContext& context, QWidget* parent, int mode, const QString& text)
{
    CExprBuilderDlg builder(context, kOtherCaller, parent);
    builder.builderMode = mode;
    builder.initialText = text;
    builder.exec();
    return g_strBuilderText;
}

std::optional<QString> CExprBuilderDlg::composeForField(CAppContext& context, QWidget* parent, int mode,
                                                        const QString& table, const QString& field, const QString& text)
{
    CExprBuilderDlg builder(context, kTableDesigner, parent);
    builder.builderMode = mode;
    builder.initialText = text;
    builder.designerTable = table;
    builder.designerField = field;
    if (builder.exec() != Accepted)
        return std::nullopt;
    return g_strBuilderText;
}

int CExprBuilderDlg::exec()
{
    m_expression->setPlainText(initialText);
    if (m_caller == kTableDesigner) {
        if (designerField.isEmpty()) {
            framework::showMessage(QStringLiteral("Select a Field to set Expression"));
            done(Rejected);
            return Rejected;
        }
        if (const auto stored = m_builder.storedFieldRule(designerTable, designerField, builderMode))
            m_expression->setPlainText(*stored);
    }
    return QDialog::exec();
}

void CExprBuilderDlg::done(int result)
{
    const QString text = m_expression->toPlainText();
    if (result == Accepted && !ExprBuilder::acceptText(text, builderMode))
        return;
    g_strBuilderText = text;
    QDialog::done(result);
}

// With a selection only that goes; with none the whole expression does, as a "clear" button promises.
void CExprBuilderDlg::clearText()
{
    QTextCursor cursor = m_expression->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    m_expression->setFocus();
}

void CExprBuilderDlg::insertText(const QString& text)
{
    m_expression->insertPlainText(text);
    m_expression->setFocus();
}

void CExprBuilderDlg::categoryChosen(int row)
{
    m_groups->clear();
    m_items->clear();
    m_groups->addItems(m_builder.groups(row));
}

void CExprBuilderDlg::groupChosen(int row)
{
    m_items->clear();
    if (row >= 0)
        m_items->addItems(m_builder.items(m_categories->currentRow(), m_groups->item(row)->text()));
}

void CExprBuilderDlg::itemChosen(QListWidgetItem* item)
{
    const int category = m_categories->currentRow();
    const QListWidgetItem* group = m_groups->currentItem();
    insertText(ExprBuilder::insertedText(category, group ? group->text() : QString(), item->text()));
    if (category != kTables && category != kQueries)
        m_example->setText(ExprBuilder::exampleText(item->text()));
}
