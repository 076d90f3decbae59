#include "tables/CDeletedTablesDlg.h"

#include "platform/cedb/History.h"
#include "platform/framework/MessageBox.h"
#include "tables/HistoryDisplay.h"

#include <QTreeWidgetItem>

CDeletedTablesDlg::CDeletedTablesDlg(const QString& path, QWidget* parent)
    : DeletedListDialog(QStringLiteral("Deleted Tables"), QStringLiteral("deletedTables"), parent), m_path(path)
{
    fill();
}

void CDeletedTablesDlg::fill()
{
    std::vector<std::pair<QStringList, qint64>> rows;
    for (const cedb::history::DeletedTable& table : cedb::history::deletedTables(m_path))
        rows.emplace_back(QStringList{historyTime(table.step.at), table.name, QString::number(table.step.records)},
                          table.change);
    list({QStringLiteral("Deleted"), QStringLiteral("Table"), QStringLiteral("Records")}, rows);
}

bool CDeletedTablesDlg::restoreItem(QTreeWidgetItem* item)
{
    QString message;
    if (cedb::history::restoreTable(m_path, item->data(0, Qt::UserRole).toLongLong(), message))
        return true;
    framework::showMessage(message);
    return false;
}
