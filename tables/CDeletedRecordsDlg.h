#pragma once
// Deleted Records: the records deleted from a table and not back since, newest first; Restore puts the
// chosen one back, with the records of related tables its deletion took along, as a new step.
#include <QDialog>

class QTreeWidget;

class CDeletedRecordsDlg : public QDialog {
    Q_OBJECT
public:
    CDeletedRecordsDlg(const QString& path, const QString& table, QWidget* parent = nullptr);
    bool restored() const { return m_restored; }

private:
    void fill();
    void restore();

    QString m_path;
    QString m_table;
    QTreeWidget* m_records;
    bool m_restored = false;
};
