#pragma once
// The generic scrolling grid: cells of text, column widths, one selected row, read-only cells, and
// in-place editors (a line edit, a choice list, digits only, or a line edit with a "..." button) that
// report the end of each edit.
#include "widgets/GridColours.h"

#include <QStringList>
#include <QTableWidget>

class CGridCtrl : public QTableWidget {
    Q_OBJECT
public:
    explicit CGridCtrl(QWidget* parent = nullptr);

    void setGridSize(int rows, int columns);
    void setColumnTitle(int column, const QString& title);
    // Width 0 hides the column; it still holds text.
    void setWidth(int column, int width);
    // The width that shows the column's title and the values of the rows it holds whole, within the
    // widest a column opens.
    int fittedWidth(int column) const;
    // The chosen colours over the desktop's; the background fills the area outside the cells.
    void setColours(const GridColours& colours);
    // The colour of the area outside the cells; invalid while it is the cells' own.
    QColor background() const { return m_background; }

    // Widens each shown column that cuts its title or a value it holds, within that bound.
    void widenColumnsToFit();

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    void setReadOnly(int row, int column, bool readOnly);
    bool isReadOnly(int row, int column) const;
    // The cell is edited by picking one of `choices`; an empty list gives a line edit again. A label
    // is shown beside its choice; an editable list also takes a typed value.
    void setChoices(int row, int column, const QStringList& choices, const QStringList& labels = {},
                    bool editable = false);
    QStringList choices(int row, int column) const;
    void setDigitsOnly(int row, int column, bool digitsOnly);
    // The most characters typing puts into the cell's line edit; 0 for no limit. A paste or a value
    // opened in the cell is never cut.
    void setMaxLength(int row, int column, int maxLength);
    // The cell's editor carries a "..." button that emits builderRequested.
    void setBuilderButton(int row, int column, bool shown, bool enabled = true);

    // Where the caret stands when a line edit opens on a cell.
    enum class FieldEntry { AsIs, SelectAll, Start, End };
    void setFieldEntry(FieldEntry entry) { m_fieldEntry = entry; }
    FieldEntry fieldEntry() const { return m_fieldEntry; }

    // The selected row, -1 when none is selected.
    int selectedRow() const;
    void selectSingleRow(int row);

    // Sets the text as an editor would and reports it as a finished edit.
    void commitEdit(int row, int column, const QString& text);
    // Ends an in-place edit still open as if the user had left the cell, so that a command run from a
    // button or menu, which takes no focus, reads what the user sees in the cell.
    void commitOpenEditor();
    // An in-place editor is open on a cell.
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }

signals:
    void editFinished(int row, int column, const QString& text);
    void builderRequested(int row, int column);
    void rowSelected(int row);
    // A tap on a column's header.
    void headerClicked(int column);

protected:
    // Rows keep the height the font needs.
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fitRowHeight();
    QTableWidgetItem* cell(int row, int column);

    FieldEntry m_fieldEntry = FieldEntry::AsIs;
    QColor m_background;
};
