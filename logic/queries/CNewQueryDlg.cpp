#include "logic/queries/CNewQueryDlg.h"

#include "logic/queries/CQueryBuilderDlg.h"
#include "widgets/CGridCtrl.h"
#include "widgets/WindowSize.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kRowHeight = 17;
constexpr int kLabelColumnWidth = 60;
constexpr int kDataColumnWidth = 110;
// The lists above leave the grid most of the height: lines of the list's font.
constexpr int kListLines = 6;
constexpr int kJoinLines = 4;

// No button is the dialog's default: Enter ends a cell's edit and must not also press one.
QPushButton* button(const char* text, const char* name)
{
    auto* made = new QPushButton(QLatin1String(text));
    made->setObjectName(QLatin1String(name));
    made->setAutoDefault(false);
    return made;
}
int listHeight(const QListWidget& list, int lines)
{
    return list.fontMetrics().lineSpacing() * lines + 2 * list.frameWidth();
}
} // namespace

CNewQueryDlg::CNewQueryDlg(CAppContext& context, const QString& name, QWidget* parent)
    : QDialog(parent), m_designer(context, name), m_tables(new QListWidget), m_joins(new QListWidget),
      m_type(new QComboBox), m_grid(new CGridCtrl), m_statement(new QPlainTextEdit),
      m_close(button("Close", "close"))
{
    setWindowTitle(name.isEmpty() ? QStringLiteral("New Query") : name);
    m_tables->setObjectName(QStringLiteral("showTables"));
    m_tables->setSelectionMode(QAbstractItemView::MultiSelection);
    m_tables->addItems(m_designer.tables());
    m_joins->setObjectName(QStringLiteral("currentJoins"));
    m_tables->setMaximumHeight(listHeight(*m_tables, kListLines));
    m_joins->setMaximumHeight(listHeight(*m_joins, kJoinLines));
    m_type->setObjectName(QStringLiteral("queryType"));
    m_type->addItems({QStringLiteral("Select"), QStringLiteral("Delete")});
    m_grid->setObjectName(QStringLiteral("queryGrid"));
    // Every cell is an entry of its own: a tap opens that cell's editor rather than selecting its row.
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_statement->setObjectName(QStringLiteral("statementBox"));

    auto* add = button("Add", "addJoin");
    auto* remove = button("Remove", "removeJoin");
    auto* top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("Show Tables:")), 0, 0);
    top->addWidget(new QLabel(QStringLiteral("Current Joins:")), 0, 1, 1, 3);
    top->addWidget(m_tables, 1, 0, 2, 1);
    top->addWidget(m_joins, 1, 1, 1, 3);
    top->addWidget(add, 2, 2);
    top->addWidget(remove, 2, 3);
    top->setColumnStretch(0, 1);
    top->setColumnStretch(1, 1);

    auto* typeLine = new QHBoxLayout;
    typeLine->addWidget(new QLabel(QStringLiteral("Query Type:")));
    typeLine->addWidget(m_type);
    typeLine->addStretch(1);

    auto* commands = new QHBoxLayout;
    auto* saveButton = button("Save", "save");
    saveButton->setShortcut(QKeySequence::Save);
    auto* runButton = button("Run", "run");
    auto* sqlButton = button("SQL", "sql");
    for (QPushButton* command : {saveButton, runButton, sqlButton})
        commands->addWidget(command);
    commands->addStretch(1);
    commands->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(typeLine);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_statement, 1);
    layout->addLayout(commands);

    connect(m_tables, &QListWidget::itemSelectionChanged, this, &CNewQueryDlg::tablesChosen);
    connect(add, &QPushButton::clicked, this, &CNewQueryDlg::addJoin);
    connect(remove, &QPushButton::clicked, this, &CNewQueryDlg::removeJoin);
    connect(m_type, &QComboBox::currentIndexChanged, this, &CNewQueryDlg::typeChosen);
    connect(m_grid, &CGridCtrl::editFinished, this, &CNewQueryDlg::cellEdited);
    connect(m_grid, &CGridCtrl::clicked, m_grid, [this](const QModelIndex& index) {
        if (index.flags() & Qt::ItemIsEditable)
            m_grid->edit(index);
    });
    connect(m_statement, &QPlainTextEdit::textChanged, this,
            [this] { m_designer.editAsText(m_statement->toPlainText()); });
    connect(saveButton, &QPushButton::clicked, this, &CNewQueryDlg::save);
    connect(runButton, &QPushButton::clicked, this, &CNewQueryDlg::run);
    connect(sqlButton, &QPushButton::clicked, this, &CNewQueryDlg::editInBuilder);
    connect(m_close, &QPushButton::clicked, this, &CNewQueryDlg::reject);

    {
        const QSignalBlocker blockTables(m_tables);
        for (int row = 0; row < m_tables->count(); ++row)
            m_tables->item(row)->setSelected(m_designer.chosenTables().contains(m_tables->item(row)->text()));
        const QSignalBlocker blockType(m_type);
        m_type->setCurrentIndex(m_designer.type() == QueryType::Delete ? 1 : 0);
    }
    showJoins();
    showGrid();
    showTextMode();
    resizeToText(*this, 140, 36);
}

std::optional<QueryResultRequest> CNewQueryDlg::design(CAppContext& context, const QString& name, QWidget* parent)
{
    CNewQueryDlg dialog(context, name, parent);
    if (!dialog.m_designer.loaded())
        return std::nullopt;
    if (dialog.exec() != QDialog::Accepted || dialog.m_designer.resultStatement().isEmpty())
        return std::nullopt;
    return QueryResultRequest{dialog.m_designer.name(), dialog.m_designer.resultStatement()};
}

void CNewQueryDlg::tablesChosen()
{
    QStringList chosen;
    for (int row = 0; row < m_tables->count(); ++row)
        if (m_tables->item(row)->isSelected())
            chosen << m_tables->item(row)->text();
    m_designer.chooseTables(chosen);
    showJoins();
    showGrid();
}

// A join of two fields of the chosen tables, picked in a small window.
void CNewQueryDlg::addJoin()
{
    const auto fields = m_designer.chosenFields();
    if (fields.isEmpty())
        return;
    QDialog pick(this);
    pick.setWindowTitle(QStringLiteral("Add Join"));
    auto* left = new QComboBox;
    auto* right = new QComboBox;
    left->setObjectName(QStringLiteral("leftField"));
    right->setObjectName(QStringLiteral("rightField"));
    for (const auto& [table, field] : fields) {
        left->addItem(table + QLatin1Char('.') + field);
        right->addItem(table + QLatin1Char('.') + field);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, &pick, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &pick, &QDialog::reject);
    auto* form = new QFormLayout(&pick);
    form->addRow(QStringLiteral("Left:"), left);
    form->addRow(QStringLiteral("Right:"), right);
    form->addRow(buttons);
    if (pick.exec() != QDialog::Accepted)
        return;
    const auto& [leftTable, leftField] = fields.at(left->currentIndex());
    const auto& [rightTable, rightField] = fields.at(right->currentIndex());
    m_designer.addJoin({leftTable, leftField, rightTable, rightField});
    showJoins();
}

void CNewQueryDlg::removeJoin()
{
    m_designer.removeJoin(m_joins->currentRow());
    showJoins();
}

void CNewQueryDlg::typeChosen(int index)
{
    m_designer.setType(index == 1 ? QueryType::Delete : QueryType::Select);
    showGrid();
}

void CNewQueryDlg::cellEdited(int row, int column, const QString& text)
{
    if (column < 1)
        return;
    m_designer.setCell(row, column - 1, text);
    showColumn(column);
    // A chosen field comes back as "Table.Field", longer than what was typed.
    m_grid->widenColumnsToFit();
}

void CNewQueryDlg::showGrid()
{
    const QStringList labels = m_designer.rowLabels();
    m_grid->setGridSize(int(labels.size()), QueryDesign::kColumns + 1);
    m_grid->setWidth(0, kLabelColumnWidth);
    for (int row = 0; row < labels.size(); ++row) {
        m_grid->setRowHeight(row, std::max(kRowHeight, m_grid->verticalHeader()->defaultSectionSize()) + 5);
        m_grid->setText(row, 0, labels.at(row));
        m_grid->setReadOnly(row, 0, true);
    }
    for (int column = 1; column <= QueryDesign::kColumns; ++column) {
        m_grid->setWidth(column, kDataColumnWidth);
        for (int row = 0; row < labels.size(); ++row) {
            const QStringList choices = m_designer.cellChoices(row);
            // Field and Table cells also take a typed name; Sort and Show only their choices.
            m_grid->setChoices(row, column, choices, {}, row < 2);
        }
        showColumn(column);
    }
    m_grid->widenColumnsToFit();
}

void CNewQueryDlg::showColumn(int column)
{
    for (int row = 0; row < m_grid->rowCount(); ++row)
        m_grid->setText(row, column, m_designer.cell(row, column - 1));
}

void CNewQueryDlg::showJoins()
{
    m_joins->clear();
    for (const QueryJoin& join : m_designer.joins())
        m_joins->addItem(join.text());
}

void CNewQueryDlg::showTextMode()
{
    const bool text = m_designer.editingText();
    m_grid->setVisible(!text);
    m_statement->setVisible(text);
    m_close->setVisible(text);
    if (text && m_statement->toPlainText() != m_designer.statementText()) {
        const QSignalBlocker block(m_statement);
        m_statement->setPlainText(m_designer.statementText());
    }
}

void CNewQueryDlg::save()
{
    m_grid->commitOpenEditor();
    finish(m_designer.save());
}

void CNewQueryDlg::run()
{
    m_grid->commitOpenEditor();
    finish(m_designer.run());
}

void CNewQueryDlg::editInBuilder()
{
    m_grid->commitOpenEditor();
    if (const std::optional<QString> text = CQueryBuilderDlg::build(m_designer.context(), m_designer.statement(), this)) {
        m_designer.editAsText(*text);
        showTextMode();
    }
}

void CNewQueryDlg::reject()
{
    m_grid->commitOpenEditor();
    finish(m_designer.close());
}

void CNewQueryDlg::finish(QueryDesigner::Outcome outcome)
{
    if (outcome == QueryDesigner::Outcome::ShowResult)
        QDialog::accept();
    else if (outcome == QueryDesigner::Outcome::Close)
        QDialog::reject();
}
