#pragma once
// A list of what was deleted and is not back since, newest first, with Restore and Close; what it lists
// and how Restore brings the chosen one back is the derived dialog's.
#include <QDialog>
#include <QStringList>

#include <utility>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

class DeletedListDialog : public QDialog {
    Q_OBJECT
public:
    bool restored() const { return m_restored; }

protected:
    DeletedListDialog(const QString& title, const QString& listName, QWidget* parent);
    // Lists again what can be restored; called once the derived dialog is made, and after each restore.
    virtual void fill() = 0;
    // False, having said why, when it stays deleted.
    virtual bool restoreItem(QTreeWidgetItem* item) = 0;
    // Refills the list with `headers` and the rows; each row's first value keeps `key`.
    void list(const QStringList& headers, const std::vector<std::pair<QStringList, qint64>>& rows);

private:
    void restore();

    QTreeWidget* m_list;
    bool m_restored = false;
};
