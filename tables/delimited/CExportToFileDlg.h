#pragma once
// "Export to file": the delimiter and the file a table's records, or a stored query's result, are
// written to.
#include "data/CAppContext.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;
class QToolButton;

// Names the file to write, starting from the path the box holds; empty when the user cancelled.
using ExportFileChooser = std::function<QString(QWidget* window, const QString& suggestedPath)>;

class CExportToFileDlg : public QDialog {
    Q_OBJECT
public:
    // `source` is a table's name or a stored query's written "Name(Q)".
    CExportToFileDlg(CAppContext& context, const QString& source, QWidget* parent = nullptr);

    QComboBox* delimiter() const { return m_delimiter; }
    QLineEdit* file() const { return m_file; }
    // The program's file chooser behind "..."; without one the path is typed.
    void setFileChooser(ExportFileChooser chooser);
    // Writes the file; true (after "Exported Successfully") when it was written.
    bool exportNow();

private:
    void browse();

    CAppContext& m_context;
    QString m_source;
    QComboBox* m_delimiter;
    QLineEdit* m_file;
    QToolButton* m_browse;
    ExportFileChooser m_chooser;
};
