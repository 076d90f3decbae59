#pragma once
// Deleted Tables: the tables deleted in the database window and not back since, newest first; Restore
// makes the chosen one again with its records, fields' properties, indexes and relations, as a new step.
#include "tables/DeletedListDialog.h"

class CDeletedTablesDlg : public DeletedListDialog {
    Q_OBJECT
public:
    explicit CDeletedTablesDlg(const QString& path, QWidget* parent = nullptr);

private:
    void fill() override;
    bool restoreItem(QTreeWidgetItem* item) override;

    QString m_path;
};
