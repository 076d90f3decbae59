#include "tables/CAddNewTableDlg.h"

#include "tables/CIndexManagerDlg.h"
#include "tables/masks/CInputMask.h"
#include "widgets/CGridCtrl.h"
#include "widgets/WindowSize.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
enum FieldColumn { MarkerColumn = 0, NameColumn = 1, TypeColumn = 2, WidthColumn = 3 };

QToolButton* smallButton(const QString& text, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setAutoRaise(true);
    return button;
}
} // namespace

CAddNewTableDlg::CAddNewTableDlg(CAppContext& context, DesignerHost& host, ExpressionBuilder builder, QWidget* parent)
    : QDialog(parent), m_designer(context, host, std::move(builder)), m_name(new QLineEdit(this)),
      m_fields(new CGridCtrl(this)), m_tabs(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("Table Design"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);

    // The command bar: five commands in two rows, so that all fit the narrow window.
    auto* bar = new QGridLayout;
    bar->setSpacing(1);
    int position = 0;
    const auto command = [&](const QString& text, const QString& tip, auto handler) {
        auto* action = new QAction(text, this);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, handler);
        auto* button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        bar->addWidget(button, position / 3, position % 3);
        ++position;
        return action;
    };
    command(QStringLiteral("Save Table"), QStringLiteral("Save Field"), [this] { saveTable(); })
        ->setShortcut(QKeySequence::Save);
    command(QStringLiteral("Delete Field"), QStringLiteral("Delete Field"), [this] { deleteField(); });
    command(QStringLiteral("Move Field Up"), QStringLiteral("Move Field Up"), [this] { moveFieldUp(); });
    command(QStringLiteral("Move Field Down"), QStringLiteral("Move Field Down"), [this] { moveFieldDown(); });
    command(QStringLiteral("Open Index Manager"), QStringLiteral("Create Index"),
            [this, &context] { CIndexManagerDlg::run(this, context, m_designer.tableName()); });
    layout->addLayout(bar);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Table Name:"), this));
    nameRow->addWidget(m_name);
    layout->addLayout(nameRow);
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) { m_designer.setTableName(text); });

    m_fields->setGridSize(TableDesigner::kRows, 4);
    m_fields->setColumnTitle(MarkerColumn, QString());
    m_fields->setColumnTitle(NameColumn, QStringLiteral("Field Name"));
    m_fields->setColumnTitle(TypeColumn, QStringLiteral("Data Type"));
    m_fields->setWidth(MarkerColumn, 10);
    m_fields->setWidth(NameColumn, 100);
    m_fields->setWidth(TypeColumn, 100);
    m_fields->setWidth(WidthColumn, 0);
    for (int row = 0; row < TableDesigner::kRows; ++row) {
        m_fields->setReadOnly(row, MarkerColumn, true);
        m_fields->setChoices(row, TypeColumn, fieldtypes::typeNames());
    }
    // A handful of fields stay in view however short the screen; the tabs below give way first.
    m_fields->setMinimumHeight(m_fields->horizontalHeader()->sizeHint().height() +
                               5 * m_fields->verticalHeader()->defaultSectionSize() + 2 * m_fields->frameWidth());
    layout->addWidget(m_fields, 3);
    connect(m_fields, &CGridCtrl::editFinished, this, &CAddNewTableDlg::fieldEdited);
    connect(m_fields, &CGridCtrl::rowSelected, this, &CAddNewTableDlg::selectField);

    m_tabs->addTab(makePropertiesTab(), QStringLiteral("Properties"));
    QWidget* lookup = makeLookupTab();
    m_tabs->addTab(scrollingPage(lookup), QStringLiteral("Lookup"));
    m_tabs->addTab(makeCalculationTab(), QStringLiteral("Calculation"));
    // The lookup page is the tallest: the tabs take its height before the fields grid shows more empty rows.
    m_tabs->setMinimumHeight(m_tabs->tabBar()->sizeHint().height() + lookup->minimumSizeHint().height() +
                             2 * m_tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4);
    layout->addWidget(m_tabs, 2);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CAddNewTableDlg::tabChosen);

    // Close, like Escape, asks about what is unsaved before the designer goes.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("designerButtons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &CAddNewTableDlg::reject);
    // Enter belongs to the grids: it must not press Close.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    layout->addWidget(buttons);

    m_designer.setMaskBuilder([this](const QString& property) { return CInputMask::choose(property, this); });
    resizeToText(*this, 110, 36);
    m_designer.open();
    m_name->setText(m_designer.tableName());
    m_name->setReadOnly(m_designer.isEditing());
    showFields();
}

QWidget* CAddNewTableDlg::makePropertiesTab()
{
    m_properties = new CGridCtrl(m_tabs);
    m_properties->setGridSize(0, 2);
    m_properties->horizontalHeader()->setVisible(false);
    m_properties->setWidth(0, 110);
    m_properties->setWidth(1, 100);
    // The value takes the room the names leave: a rule or a mask reads whole.
    m_properties->horizontalHeader()->setStretchLastSection(true);
    connect(m_properties, &CGridCtrl::editFinished, this, [this](int row, int column, const QString& text) {
        // The cell shows what the designer kept: a refused value goes, a default date gains its hash signs.
        if (m_refreshing || column != 1)
            return;
        m_designer.editProperty(row, text);
        if (m_designer.properties().value(row).value != text)
            QTimer::singleShot(0, this, [this] { showProperties(); });
    });
    connect(m_properties, &CGridCtrl::builderRequested, this, [this](int row) {
        if (m_designer.runPropertyBuilder(row))
            showProperties();
    });
    return m_properties;
}

QWidget* CAddNewTableDlg::makeLookupTab()
{
    // The properties with the list's source beside the value list: one above the other, the list and its
    // buttons had no room left under the fields.
    auto* page = new QWidget(m_tabs);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* properties = new QVBoxLayout;
    layout->addLayout(properties, 3);
    m_lookup = new CGridCtrl(page);
    m_lookup->setGridSize(LookupEditor::kRows, 2);
    m_lookup->horizontalHeader()->setVisible(false);
    m_lookup->setWidth(0, 110);
    m_lookup->setWidth(1, 120);
    m_lookup->horizontalHeader()->setStretchLastSection(true);
    const QStringList names = LookupEditor::rowNames();
    for (int row = 0; row < LookupEditor::kRows; ++row) {
        m_lookup->setText(row, 0, names[row]);
        m_lookup->setReadOnly(row, 0, true);
    }
    m_lookup->widenColumnsToFit();
    m_lookup->setFixedHeight(LookupEditor::kRows * m_lookup->verticalHeader()->defaultSectionSize() + 4);
    m_lookup->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    properties->addWidget(m_lookup);
    connect(m_lookup, &CGridCtrl::editFinished, this, [this](int row, int column, const QString& text) {
        if (m_refreshing || column != 1 || !m_designer.lookup())
            return;
        m_designer.lookup()->edit(row, text);
        showLookup();
    });
    connect(m_lookup, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == 1 && m_designer.lookup() && !m_designer.lookup()->mayEdit(row))
            m_lookup->clearSelection();
    });

    m_sourceTable = new QComboBox(page);
    m_sourceTable->setObjectName(QStringLiteral("valueListTable"));
    m_sourceField = new QComboBox(page);
    m_sourceField->setObjectName(QStringLiteral("valueListField"));
    auto* source = new QFormLayout;
    source->addRow(new QLabel(QStringLiteral("Table"), page), m_sourceTable);
    source->addRow(new QLabel(QStringLiteral("Field"), page), m_sourceField);
    properties->addLayout(source);
    properties->addStretch();
    // The fields follow the table shown, the first one offered included.
    connect(m_sourceTable, &QComboBox::currentTextChanged, this, [this](const QString& table) {
        m_sourceField->clear();
        if (m_designer.lookup())
            m_sourceField->addItems(m_designer.lookup()->fieldsOf(table));
    });

    auto* list = new QGridLayout;
    layout->addLayout(list, 2);
    m_items = new QListWidget(page);
    list->addWidget(m_items, 0, 0);
    auto* arrows = new QVBoxLayout;
    const QList<std::pair<QString, int>> moves{{QStringLiteral("\u2912"), -1000}, {QStringLiteral("\u25B2"), -1},
                                                {QStringLiteral("\u25BC"), 1}, {QStringLiteral("\u2913"), 1000}};
    for (const auto& [text, offset] : moves) {
        QToolButton* arrow = smallButton(text, page);
        connect(arrow, &QToolButton::clicked, this, [this, offset = offset] {
            commitGrids();
            if (!m_designer.lookup())
                return;
            const int row = m_designer.lookup()->moveItem(m_items->currentRow(), offset);
            showLookup();
            m_items->setCurrentRow(row);
        });
        arrows->addWidget(arrow);
    }
    arrows->addStretch();
    list->addLayout(arrows, 0, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& text, auto handler) {
        auto* push = new QPushButton(text, page);
        // Enter in a grid of the window never presses Auto Load or Add.
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, [this, handler] {
            commitGrids();
            if (m_designer.lookup()) {
                handler();
                showLookup();
            }
        });
        buttons->addWidget(push);
    };
    button(QStringLiteral("Auto Load"),
           [this] { m_designer.lookup()->autoLoad(m_sourceTable->currentText(), m_sourceField->currentText()); });
    button(QStringLiteral("Add"), [this] { m_designer.lookup()->addItem(); });
    button(QStringLiteral("Delete"), [this] { m_designer.lookup()->deleteItem(m_items->currentRow()); });
    list->addLayout(buttons, 1, 0, 1, 2);
    return page;
}

QWidget* CAddNewTableDlg::makeCalculationTab()
{
    auto* page = new QWidget(m_tabs);
    auto* layout = new QVBoxLayout(page);
    m_calculation = new QLabel(page);
    m_calculation->setWordWrap(true);
    m_calculation->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* build = new QPushButton(QStringLiteral("Expression Builder..."), page);
    build->setAutoDefault(false);
    connect(build, &QPushButton::clicked, this, [this] {
        commitGrids();
        m_designer.openCalculation();
        showCalculation();
    });
    layout->addWidget(new QLabel(QStringLiteral("Calculation:"), page));
    layout->addWidget(m_calculation, 1);
    layout->addWidget(build);
    return page;
}

void CAddNewTableDlg::showFields()
{
    m_refreshing = true;
    for (int row = 0; row < TableDesigner::kRows; ++row) {
        m_fields->setText(row, MarkerColumn, row == m_designer.selectedRow() ? QStringLiteral("\u25B8") : QString());
        m_fields->setText(row, NameColumn, m_designer.rowName(row));
        m_fields->setText(row, TypeColumn, m_designer.rowType(row));
        m_fields->setText(row, WidthColumn, m_designer.rowWidth(row));
    }
    m_fields->widenColumnsToFit();
    m_refreshing = false;
    showProperties();
}

void CAddNewTableDlg::showProperties()
{
    m_refreshing = true;
    const QList<PropertyRow> rows = m_designer.properties();
    m_properties->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        m_properties->setText(row, 0, rows[row].name);
        m_properties->setReadOnly(row, 0, true);
        m_properties->setText(row, 1, rows[row].value);
        const PropertyCell cell = m_designer.propertyCell(row);
        m_properties->setChoices(row, 1, cell.choices);
        m_properties->setDigitsOnly(row, 1, cell.digitsOnly);
        m_properties->setBuilderButton(row, 1, cell.builder, cell.builderEnabled);
    }
    m_properties->widenColumnsToFit();
    m_refreshing = false;
}

void CAddNewTableDlg::showLookup()
{
    LookupEditor* lookup = m_designer.lookup();
    m_refreshing = true;
    for (int row = 0; row < LookupEditor::kRows; ++row) {
        m_lookup->setText(row, 1, lookup ? lookup->value(row) : QString());
        m_lookup->setReadOnly(row, 1, !lookup || lookup->isLocked(row));
        m_lookup->setChoices(row, 1, lookup && !(row == LookupEditor::RowSource && lookup->isValueList())
                                         ? lookup->choices(row)
                                         : QStringList());
    }
    m_items->clear();
    const bool valueList = lookup && lookup->isValueList();
    if (valueList)
        m_items->addItems(lookup->items());
    if (lookup && m_sourceTable->count() == 0)
        m_sourceTable->addItems(lookup->tables());
    m_refreshing = false;
}

void CAddNewTableDlg::showCalculation()
{
    m_calculation->setText(m_designer.calculation());
}

void CAddNewTableDlg::fieldEdited(int row, int column, const QString& text)
{
    if (m_refreshing)
        return;
    if (column == NameColumn)
        m_designer.editName(row, text);
    else if (column == TypeColumn)
        m_designer.editType(row, text);
    m_designer.selectRow(row);
    showFields();
}

void CAddNewTableDlg::selectField(int row)
{
    if (m_refreshing || row == m_designer.selectedRow())
        return;
    m_designer.selectRow(row);
    showFields();
    if (m_tabs->currentIndex() != PropertiesTab)
        m_tabs->setCurrentIndex(PropertiesTab);
}

void CAddNewTableDlg::tabChosen(int index)
{
    // The row the user is on is the field meant, even when the designer lost it (a saved new table is
    // read back with no field selected, while the grid stays on its row).
    if (const int row = m_fields->currentRow(); row >= 0 && index != PropertiesTab)
        m_designer.selectRow(row);
    if (index == LookupTab) {
        if (!m_designer.openLookup()) {
            m_tabs->setCurrentIndex(PropertiesTab);
            return;
        }
        showLookup();
    } else if (index == CalculationTab) {
        showCalculation();
        m_designer.openCalculation();
        showCalculation();
    }
}

void CAddNewTableDlg::saveTable()
{
    commitGrids();
    m_designer.setTableName(m_name->text());
    if (m_designer.save()) {
        m_name->setText(m_designer.tableName());
        m_name->setReadOnly(m_designer.isEditing());
    }
    showFields();
}

void CAddNewTableDlg::deleteField()
{
    commitGrids();
    m_designer.selectRow(m_fields->selectedRow());
    m_designer.deleteField();
    showFields();
}

void CAddNewTableDlg::moveFieldUp()
{
    commitGrids();
    m_designer.selectRow(m_fields->selectedRow());
    m_designer.moveUp();
    showFields();
    m_fields->selectSingleRow(m_designer.selectedRow());
}

void CAddNewTableDlg::moveFieldDown()
{
    commitGrids();
    m_designer.selectRow(m_fields->selectedRow());
    m_designer.moveDown();
    showFields();
    m_fields->selectSingleRow(m_designer.selectedRow());
}

void CAddNewTableDlg::commitGrids()
{
    for (CGridCtrl* grid : {m_fields, m_properties, m_lookup})
        grid->commitOpenEditor();
}

void CAddNewTableDlg::reject()
{
    commitGrids();
    if (m_designer.close())
        QDialog::reject();
}
