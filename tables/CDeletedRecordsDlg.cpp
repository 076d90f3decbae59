#include "tables/CDeletedRecordsDlg.h"

#include "platform/cedb/History.h"
#include "platform/framework/MessageBox.h"
#include "tables/HistoryDisplay.h"

#include <QTreeWidgetItem>

CDeletedRecordsDlg::CDeletedRecordsDlg(const QString& path, const QString& table, QWidget* parent)
    : DeletedListDialog(QStringLiteral("Deleted Records - %1").arg(table), QStringLiteral("deletedRecords"), parent),
      m_path(path), m_table(table)
{
    fill();
}

void CDeletedRecordsDlg::fill()
{
    const std::vector<cedb::history::DeletedRecord> deleted = cedb::history::deletedRecords(m_path, m_table);
    QStringList headers{QStringLiteral("Deleted"), QStringLiteral("By")};
    if (!deleted.empty())
        for (const cedb::history::FieldValue& value : deleted.front().values)
            headers << value.field;
    std::vector<std::pair<QStringList, qint64>> rows;
    for (const cedb::history::DeletedRecord& record : deleted) {
        QStringList columns{historyTime(record.step.at), record.step.command};
        for (const cedb::history::FieldValue& value : record.values)
            columns << historyValue(value.value);
        rows.emplace_back(columns, record.change);
    }
    list(headers, rows);
}

bool CDeletedRecordsDlg::restoreItem(QTreeWidgetItem* item)
{
    QString message;
    if (cedb::history::restoreDeleted(m_path, m_table, item->data(0, Qt::UserRole).toLongLong(), message))
        return true;
    framework::showMessage(message);
    return false;
}
