#pragma once
// Deleted Records: the records deleted from a table and not back since, newest first; Restore puts the
// chosen one back, with the records of related tables its deletion took along, as a new step.
#include "tables/DeletedListDialog.h"

class CDeletedRecordsDlg : public DeletedListDialog {
    Q_OBJECT
public:
    CDeletedRecordsDlg(const QString& path, const QString& table, QWidget* parent = nullptr);

private:
    void fill() override;
    bool restoreItem(QTreeWidgetItem* item) override;

    QString m_path;
    QString m_table;
};
