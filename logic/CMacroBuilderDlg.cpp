#include "logic/CMacroBuilderDlg.h"

#include "logic/CExprBuilderDlg.h"
#include "logic/MacroActions.h"
#include "widgets/ColumnFit.h"
#include "widgets/WindowSize.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kNameLimit = 15;

QTableWidget* makeGrid(const QStringList& headers, const QString& name, QWidget* parent)
{
    auto* grid = new QTableWidget(0, int(headers.size()), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(headers);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    return grid;
}

QTableWidgetItem* fixedItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}
} // namespace

CMacroBuilderDlg::CMacroBuilderDlg(CAppContext& context, const QString& macroName, SoundChooser chooseSound,
                                   QWidget* parent)
    : QDialog(parent), m_editor(context), m_chooseSound(std::move(chooseSound)),
      m_compose([&context](QWidget* owner, const QString& text) -> std::optional<QString> {
          CExprBuilderDlg builder(context, CExprBuilderDlg::kOtherCaller, owner);
          builder.builderMode = kDefaultValue;
          builder.initialText = text;
          if (builder.exec() != QDialog::Accepted)
              return std::nullopt;
          return builder.expressionBox()->toPlainText();
      }),
      m_name(new QLineEdit(this)), m_actions(makeGrid({QStringLiteral("Action"), QStringLiteral("Description")},
                                                     QStringLiteral("actionGrid"), this)),
      m_arguments(makeGrid({QStringLiteral("Argument"), QStringLiteral("Value")}, QStringLiteral("argumentGrid"), this))
{
    setObjectName(QStringLiteral("macroBuilder"));
    setWindowTitle(QStringLiteral("Macro Builder"));
    m_name->setObjectName(QStringLiteral("macroName"));
    m_name->setMaxLength(kNameLimit);
    m_actions->setColumnWidth(0, 120);
    m_arguments->setColumnWidth(0, 110);
    m_arguments->viewport()->installEventFilter(this);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Macro Name:"), this));
    nameRow->addWidget(m_name, 1);
    auto* rowButtons = new QHBoxLayout;
    auto* buttons = new QHBoxLayout;
    auto button = [this](QBoxLayout* row, const QString& text, const QString& name, auto slot) {
        auto* pushButton = new QPushButton(text, this);
        pushButton->setObjectName(name);
        pushButton->setAutoDefault(false);
        connect(pushButton, &QPushButton::clicked, this, slot);
        row->addWidget(pushButton);
        return pushButton;
    };
    button(rowButtons, QStringLiteral("Insert"), QStringLiteral("insertRow"), [this] { insertRow(); });
    button(rowButtons, QStringLiteral("Delete"), QStringLiteral("deleteRow"), [this] { removeRow(); });
    button(rowButtons, QStringLiteral("Up"), QStringLiteral("rowUp"), [this] { moveRow(-1); });
    button(rowButtons, QStringLiteral("Down"), QStringLiteral("rowDown"), [this] { moveRow(1); });
    buttons->addStretch(1);
    button(buttons, QStringLiteral("Save"), QStringLiteral("save"), [this] { save(); })->setShortcut(QKeySequence::Save);
    button(buttons, QStringLiteral("Close"), QStringLiteral("close"), [this] { reject(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(m_actions, 3);
    layout->addLayout(rowButtons);
    layout->addWidget(m_arguments, 2);
    layout->addLayout(buttons);
    resizeToText(*this, 100, 30);

    connect(m_name, &QLineEdit::editingFinished, this, &CMacroBuilderDlg::nameLeft);
    connect(m_actions, &QTableWidget::currentCellChanged, this, [this] { showArguments(); });
    connect(m_arguments, &QTableWidget::cellChanged, this, &CMacroBuilderDlg::valueTyped);
    connect(m_arguments, &QTableWidget::cellClicked, this, &CMacroBuilderDlg::valueTapped);

    if (!macroName.isEmpty() && m_editor.open(macroName))
        m_name->setText(macroName);
    showRows();
    // Every macro starts with one row to pick an action in.
    if (m_editor.rows().isEmpty())
        insertRow();
}

int CMacroBuilderDlg::currentRow() const { return m_actions->currentRow(); }

void CMacroBuilderDlg::showRows()
{
    const int current = currentRow();
    m_showing = true;
    m_actions->setRowCount(int(m_editor.rows().size()));
    for (int row = 0; row < m_editor.rows().size(); ++row) {
        const QString action = m_editor.rows()[row].action;
        auto* choices = new QComboBox(m_actions);
        choices->addItem(QString());
        for (const MacroActionInfo& info : macroActions())
            choices->addItem(info.name);
        choices->setCurrentText(action);
        connect(choices, &QComboBox::textActivated, this, [this, choices](const QString& chosen) {
            for (int r = 0; r < m_actions->rowCount(); ++r)
                if (m_actions->cellWidget(r, 0) == choices)
                    actionChosen(r, chosen);
        });
        m_actions->setCellWidget(row, 0, choices);
        // The list of actions shows its longest name whole, at the height it needs.
        m_actions->setColumnWidth(0, std::max(m_actions->columnWidth(0), choices->sizeHint().width()));
        m_actions->setRowHeight(row, std::max(m_actions->rowHeight(row), choices->sizeHint().height()));
        const MacroActionInfo* info = findMacroAction(action);
        m_actions->setItem(row, 1, fixedItem(info ? info->description : QString()));
    }
    m_showing = false;
    if (!m_editor.rows().isEmpty())
        m_actions->setCurrentCell(std::clamp(current, 0, int(m_editor.rows().size()) - 1), 0);
    showArguments();
}

void CMacroBuilderDlg::showArguments()
{
    const int row = currentRow();
    const QStringList labels = m_editor.labels(row);
    m_showing = true;
    m_arguments->setRowCount(int(labels.size()));
    for (int i = 0; i < labels.size(); ++i) {
        m_arguments->setItem(i, 0, fixedItem(labels[i]));
        auto* value = new QTableWidgetItem(m_editor.rows()[row].values.value(i));
        // Tapped cells are set by their tap, never typed.
        if (m_editor.tapOf(row, i) != MacroEditor::Tap::Typed)
            value->setFlags(value->flags() & ~Qt::ItemIsEditable);
        m_arguments->setItem(i, 1, value);
    }
    widenColumnsToFit(*m_arguments, *m_arguments->horizontalHeader());
    m_showing = false;
}

void CMacroBuilderDlg::actionChosen(int row, const QString& action)
{
    m_actions->setCurrentCell(row, 0);
    m_editor.setAction(row, action);
    const MacroActionInfo* info = findMacroAction(m_editor.rows().value(row).action);
    m_actions->item(row, 1)->setText(info ? info->description : QString());
    showArguments();
}

void CMacroBuilderDlg::valueTyped(int row, int column)
{
    if (m_showing || column != 1)
        return;
    if (!m_editor.setValue(currentRow(), row, m_arguments->item(row, 1)->text()))
        showArguments();
}

void CMacroBuilderDlg::valueTapped(int row, int column)
{
    const int action = currentRow();
    if (!m_editor.checkAction(action) || column != 1)
        return;
    const QString current = m_editor.rows()[action].values.value(row);
    std::optional<QString> value;
    switch (m_editor.tapOf(action, row)) {
    case MacroEditor::Tap::Typed: return;
    case MacroEditor::Tap::EditMode:
    case MacroEditor::Tap::YesNo: m_editor.toggle(action, row); break;
    case MacroEditor::Tap::SoundFile:
        if (const QString path = m_chooseSound ? m_chooseSound(this) : QString(); !path.isEmpty())
            value = path;
        break;
    case MacroEditor::Tap::Expression: value = m_compose(this, current); break;
    }
    if (value)
        m_editor.setValue(action, row, *value);
    showArguments();
}

bool CMacroBuilderDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_arguments->viewport() && event->type() == QEvent::MouseButtonPress &&
        m_editor.labels(currentRow()).isEmpty())
        m_editor.checkAction(currentRow());
    return QDialog::eventFilter(watched, event);
}

void CMacroBuilderDlg::nameLeft()
{
    const QString name = m_name->text();
    if (!m_editor.checkName(name)) {
        m_name->clear();
        m_name->setFocus();
        return;
    }
    if (!m_editor.isNew() && m_editor.name() == name)
        showRows();
}

void CMacroBuilderDlg::insertRow()
{
    const int row = currentRow() + 1;
    m_editor.insertRow(row);
    showRows();
    m_actions->setCurrentCell(row, 0);
}

void CMacroBuilderDlg::removeRow()
{
    m_editor.removeRow(currentRow());
    showRows();
}

void CMacroBuilderDlg::moveRow(int step)
{
    const int row = currentRow();
    if (!m_editor.moveRow(row, step))
        return;
    m_actions->setCurrentCell(row + step, 0);
    showRows();
}

void CMacroBuilderDlg::save() { m_editor.save(m_name->text()); }

void CMacroBuilderDlg::reject()
{
    if (m_editor.close(m_name->text()))
        QDialog::reject();
}
