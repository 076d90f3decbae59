#pragma once
// The generic scrolling grid: cells of text, column widths, one selected row, read-only cells, and
// in-place editors (a line edit, a choice list, digits only, or a line edit with a "..." button) that
// report the end of each edit.
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

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    void setReadOnly(int row, int column, bool readOnly);
    bool isReadOnly(int row, int column) const;
    // The cell is edited by picking one of `choices`; an empty list gives a line edit again.
    void setChoices(int row, int column, const QStringList& choices);
    QStringList choices(int row, int column) const;
    void setDigitsOnly(int row, int column, bool digitsOnly);
    // The cell's editor carries a "..." button that emits builderRequested.
    void setBuilderButton(int row, int column, bool shown, bool enabled = true);

    // The selected row, -1 when none is selected.
    int selectedRow() const;
    void selectSingleRow(int row);

    // Sets the text as an editor would and reports it as a finished edit.
    void commitEdit(int row, int column, const QString& text);

signals:
    void editFinished(int row, int column, const QString& text);
    void builderRequested(int row, int column);
    void rowSelected(int row);

private:
    QTableWidgetItem* cell(int row, int column);
};
