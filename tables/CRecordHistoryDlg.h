#pragma once
// Record History: the changes of one record, newest first, each with its time, command and the old and
// new value of every field it changed; Restore puts the record back as it was right after the chosen one.
#include <QDialog>

class QTreeWidget;

class CRecordHistoryDlg : public QDialog {
    Q_OBJECT
public:
    CRecordHistoryDlg(const QString& path, const QString& table, qint64 record, QWidget* parent = nullptr);
    // True when a version was restored.
    bool restored() const { return m_restored; }

private:
    void fill();
    void restore();

    QString m_path;
    QString m_table;
    qint64 m_record;
    QTreeWidget* m_changes;
    bool m_restored = false;
};
