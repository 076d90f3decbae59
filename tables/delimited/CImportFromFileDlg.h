#pragma once
// "Import From a File": the delimiter list, the first-row and note-line check boxes, the table name, a
// preview of the file's first lines and, for the column selected in it, the field's name, type and size,
// all starting from what the file suggests. Import runs under a progress bar whose Cancel leaves nothing
// imported; only the Import button starts it, never Enter in a box.
#include "tables/delimited/TextImportSession.h"

#include <QDialog>

class CGridCtrl;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressDialog;

class CImportFromFileDlg : public QDialog {
    Q_OBJECT
public:
    CImportFromFileDlg(CAppContext& context, const QString& path, QWidget* parent = nullptr);

    // Shows the dialog on the file unless the file cannot be read at all; the table that received the
    // records, nullopt when nothing was imported.
    static std::optional<QString> importFile(CAppContext& context, const QString& path, QWidget* parent);

    TextImportSession& session() { return m_session; }
    QComboBox* delimiterBox() const { return m_delimiter; }
    QCheckBox* firstRowBox() const { return m_firstRow; }
    QCheckBox* skipCommentsBox() const { return m_skipComments; }
    QLineEdit* tableEdit() const { return m_table; }
    CGridCtrl* previewGrid() const { return m_preview; }
    QLineEdit* nameEdit() const { return m_name; }
    QComboBox* typeBox() const { return m_type; }
    QLineEdit* sizeEdit() const { return m_size; }
    // Import, under the progress bar; the dialog closes when something was imported.
    void importNow();
    // The column whose field the Name, Type and Size boxes show; -1 before one is chosen.
    int selectedColumn() const { return m_column; }
    void selectColumn(int column);
    // What the first reading said; File when there is nothing to show.
    PreviewFailure firstReading() const { return m_firstReading; }

private:
    void reread();
    void showPreview();
    void showField();
    bool progressed(QProgressDialog& progress, double share);

    TextImportSession m_session;
    PreviewFailure m_firstReading = PreviewFailure::None;
    QComboBox* m_delimiter;
    QCheckBox* m_firstRow;
    QCheckBox* m_skipComments;
    QLineEdit* m_table;
    CGridCtrl* m_preview;
    QLineEdit* m_name;
    QComboBox* m_type;
    QLineEdit* m_size;
    int m_column = -1;
};
