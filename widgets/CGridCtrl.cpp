#include "widgets/CGridCtrl.h"

#include "widgets/ColumnFit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <limits>

namespace {

enum Role {
    ChoicesRole = Qt::UserRole + 1,
    DigitsRole,
    ButtonRole,
    ButtonEnabledRole,
    LabelsRole,
    ChoicesEditableRole,
    MaxLengthRole
};

// A line edit with a "..." button at its right.
class BuilderEditor : public QWidget {
public:
    BuilderEditor(QWidget* parent, bool enabled) : QWidget(parent), edit(new QLineEdit(this)), button(new QToolButton(this))
    {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        button->setText(QStringLiteral("..."));
        button->setEnabled(enabled);
        layout->addWidget(edit);
        layout->addWidget(button);
        setFocusProxy(edit);
    }
    QLineEdit* edit;
    QToolButton* button;
};

// Refuses a typed character that would take the line past `limit` characters. Pasted text is not typed:
// it goes in whole.
class TypingLimit : public QObject {
public:
    TypingLimit(QLineEdit* edit, int limit) : QObject(edit), m_edit(edit), m_limit(limit) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (typed.isEmpty() || !typed.front().isPrint())
            return false;
        const qsizetype kept = m_edit->text().size() - m_edit->selectedText().size();
        return kept + typed.size() > m_limit;
    }

private:
    QLineEdit* m_edit;
    int m_limit;
};

// Keys typed on a closed list walk its entries, letters joining into one search as in any desktop list;
// the list tells each step as a choice, which is the user's answer only once the edit ends. While a key
// is being taken, the list is marked as typed on.
class ClosedListKeys : public QObject {
public:
    explicit ClosedListKeys(QComboBox* list) : QObject(list), m_list(list) { list->installEventFilter(this); }
    bool typing() const { return m_typing; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_list && event->type() == QEvent::KeyPress)
            m_typing = !m_list->view()->isVisible();
        else if (watched == m_list && event->type() == QEvent::KeyRelease)
            m_typing = false;
        return false;
    }

private:
    QComboBox* m_list;
    bool m_typing = false;
};

class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(CGridCtrl* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        const QStringList choices = index.data(ChoicesRole).toStringList();
        if (!choices.isEmpty()) {
            auto* combo = new QComboBox(parent);
            const QStringList labels = index.data(LabelsRole).toStringList();
            for (int i = 0; i < choices.size(); ++i)
                combo->addItem(labels.value(i).isEmpty() ? choices[i] : choices[i] + QStringLiteral("  ") + labels[i],
                               choices[i]);
            combo->setEditable(index.data(ChoicesEditableRole).toBool());
            // A typed value is the cell's, never a new entry of the list.
            combo->setInsertPolicy(QComboBox::NoInsert);
            // The list opens as wide as its longest entry, whatever the column's width.
            int widest = 0;
            for (int i = 0; i < combo->count(); ++i)
                widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
            const int margins = 2 * combo->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                                2 * combo->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
            combo->view()->setMinimumWidth(widest + margins + combo->view()->verticalScrollBar()->sizeHint().width());
            // A pick is an answer: what depends on the cell (a field's property rows) follows at once,
            // not when the focus happens to leave the list.
            auto* keys = new ClosedListKeys(combo);
            QObject::connect(combo, &QComboBox::activated, this, [this, combo, keys] {
                if (keys->typing())
                    return;
                emit const_cast<CellDelegate*>(this)->commitData(combo);
                emit const_cast<CellDelegate*>(this)->closeEditor(combo);
            });
            return combo;
        }
        if (index.data(ButtonRole).toBool()) {
            auto* editor = new BuilderEditor(parent, index.data(ButtonEnabledRole).toBool());
            const int row = index.row(), column = index.column();
            QObject::connect(editor->button, &QToolButton::clicked, m_grid, [grid = m_grid, editor, row, column] {
                grid->commitEdit(row, column, editor->edit->text());
                emit grid->builderRequested(row, column);
            });
            return editor;
        }
        auto* edit = new QLineEdit(parent);
        // A line edit cuts what it is given at its maximum length, a paste included: it takes a value of
        // any length, and the cell's limit stops only typing (a longer value is its owner's to refuse).
        edit->setMaxLength(std::numeric_limits<int>::max());
        if (const int maxLength = index.data(MaxLengthRole).toInt(); maxLength > 0)
            edit->installEventFilter(new TypingLimit(edit, maxLength));
        if (index.data(DigitsRole).toBool())
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        return edit;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        const QString text = index.data(Qt::DisplayRole).toString();
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            const int found = combo->findData(text);
            combo->setCurrentIndex(std::max(0, found));
            if (combo->isEditable()) {
                if (found < 0)
                    combo->setEditText(text);
                // Typing into a list's cell replaces its value, as it does in a text cell.
                combo->lineEdit()->selectAll();
            }
        }
        else if (auto* builder = dynamic_cast<BuilderEditor*>(editor))
            builder->edit->setText(text);
        else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setText(text);
            placeCaret(edit);
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        QString text;
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            // A typed value of an editable list is kept as typed; one that reads as an entry gives its choice,
            // picked or typed: the list completes "3" to "3  São Paulo Foods" without choosing that entry.
            const int entry = combo->findText(combo->currentText());
            text = entry >= 0 ? combo->itemData(entry).toString() : combo->currentText();
        }
        else if (auto* builder = dynamic_cast<BuilderEditor*>(editor))
            text = builder->edit->text();
        else if (auto* edit = qobject_cast<QLineEdit*>(editor))
            text = edit->text();
        m_grid->commitEdit(index.row(), index.column(), text);
    }

private:
    // The view selects the text once the editor has the focus, so the caret is placed after that.
    void placeCaret(QLineEdit* edit) const
    {
        const CGridCtrl::FieldEntry entry = m_grid->fieldEntry();
        if (entry == CGridCtrl::FieldEntry::AsIs)
            return;
        QTimer::singleShot(0, edit, [edit, entry] {
            if (entry == CGridCtrl::FieldEntry::SelectAll)
                edit->selectAll();
            else if (entry == CGridCtrl::FieldEntry::Start)
                edit->home(false);
            else
                edit->end(false);
        });
    }

    CGridCtrl* m_grid;
};

} // namespace

CGridCtrl::CGridCtrl(QWidget* parent) : QTableWidget(parent)
{
    setItemDelegate(new CellDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setVisible(false);
    fitRowHeight();
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row) { emit rowSelected(row); });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CGridCtrl::headerClicked);
}

void CGridCtrl::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitRowHeight();
}

void CGridCtrl::fitRowHeight()
{
    // The device's rows were 20 pixels; a larger font needs more, with room for an editor's frame.
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    verticalHeader()->setDefaultSectionSize(std::max(20, fontMetrics().height() + frame + 4));
}

int CGridCtrl::fittedWidth(int column) const
{
    return fittedColumnWidth(*this, *horizontalHeader(), column, widestOpeningColumn(*this), rowCount());
}

void CGridCtrl::setColours(const GridColours& colours)
{
    setPalette(paletteWith(QApplication::palette(this), colours));
    m_background = colours.background.value_or(QColor());
    viewport()->update();
}

void CGridCtrl::paintEvent(QPaintEvent* event)
{
    if (m_background.isValid()) {
        // The viewport is filled with the cells' colour; what lies past the last row and column is not a cell.
        const QRect cells(-horizontalHeader()->offset(), -verticalHeader()->offset(), horizontalHeader()->length(),
                          verticalHeader()->length());
        QPainter painter(viewport());
        for (const QRect& outside : QRegion(viewport()->rect()).subtracted(cells))
            painter.fillRect(outside, m_background);
    }
    QTableWidget::paintEvent(event);
}

void CGridCtrl::widenColumnsToFit() { ::widenColumnsToFit(*this, *horizontalHeader()); }

void CGridCtrl::setGridSize(int rows, int columns)
{
    setRowCount(rows);
    setColumnCount(columns);
}

void CGridCtrl::setColumnTitle(int column, const QString& title)
{
    setHorizontalHeaderItem(column, new QTableWidgetItem(title));
}

void CGridCtrl::setWidth(int column, int width)
{
    setColumnHidden(column, width == 0);
    if (width > 0)
        setColumnWidth(column, width);
}

QTableWidgetItem* CGridCtrl::cell(int row, int column)
{
    QTableWidgetItem* found = item(row, column);
    if (!found) {
        found = new QTableWidgetItem;
        setItem(row, column, found);
    }
    return found;
}

QString CGridCtrl::text(int row, int column) const
{
    const QTableWidgetItem* found = item(row, column);
    return found ? found->text() : QString();
}

void CGridCtrl::setText(int row, int column, const QString& text) { cell(row, column)->setText(text); }

void CGridCtrl::setReadOnly(int row, int column, bool readOnly)
{
    QTableWidgetItem* target = cell(row, column);
    target->setFlags(readOnly ? target->flags() & ~Qt::ItemIsEditable : target->flags() | Qt::ItemIsEditable);
}

bool CGridCtrl::isReadOnly(int row, int column) const
{
    const QTableWidgetItem* found = item(row, column);
    return found && !(found->flags() & Qt::ItemIsEditable);
}

void CGridCtrl::setChoices(int row, int column, const QStringList& choices, const QStringList& labels, bool editable)
{
    QTableWidgetItem* target = cell(row, column);
    target->setData(ChoicesRole, choices);
    target->setData(LabelsRole, labels);
    target->setData(ChoicesEditableRole, editable);
}

QStringList CGridCtrl::choices(int row, int column) const
{
    const QTableWidgetItem* found = item(row, column);
    return found ? found->data(ChoicesRole).toStringList() : QStringList();
}

void CGridCtrl::setDigitsOnly(int row, int column, bool digitsOnly) { cell(row, column)->setData(DigitsRole, digitsOnly); }

void CGridCtrl::setMaxLength(int row, int column, int maxLength) { cell(row, column)->setData(MaxLengthRole, maxLength); }

void CGridCtrl::setBuilderButton(int row, int column, bool shown, bool enabled)
{
    cell(row, column)->setData(ButtonRole, shown);
    cell(row, column)->setData(ButtonEnabledRole, enabled);
}

void CGridCtrl::commitOpenEditor()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

int CGridCtrl::selectedRow() const
{
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.size() != 1 || ranges[0].rowCount() != 1)
        return -1;
    return ranges[0].topRow();
}

void CGridCtrl::selectSingleRow(int row)
{
    clearSelection();
    if (row >= 0 && row < rowCount()) {
        setCurrentCell(row, 0);
        selectRow(row);
    }
}

void CGridCtrl::commitEdit(int row, int column, const QString& text)
{
    if (isReadOnly(row, column))
        return;
    cell(row, column)->setText(text);
    emit editFinished(row, column, text);
}
