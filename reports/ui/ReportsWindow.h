#pragma once
// The database's reports in a list, with New, Edit, Delete, Preview, Print and Export to PDF. Each
// command acts on the report chosen in the list.
#include <QDialog>
#include <QString>

class CAppContext;
class QListWidget;

class ReportsWindow : public QDialog {
    Q_OBJECT
public:
    enum Command { New, Edit, Delete, Preview, Print, ExportPdf };

    explicit ReportsWindow(CAppContext& context, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    // Chooses the report of that name in the list; false when there is none.
    bool select(const QString& name);
    void run(Command command);
    // The source a new report starts with: what was chosen in the database window ("(Q)Name" a query).
    void setNewReportSource(const QString& source) { m_newSource = source; }
    // Reads the stored reports again, keeping the choice when it is still there.
    void refresh();

private:
    QString selected() const;
    void edit(const QString& name);

    CAppContext& m_context;
    QListWidget* m_list;
    QString m_newSource;
};
