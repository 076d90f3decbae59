#include "tables/CDeletedRecordsDlg.h"

#include "platform/cedb/History.h"
#include "platform/framework/MessageBox.h"
#include "tables/HistoryDisplay.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CDeletedRecordsDlg::CDeletedRecordsDlg(const QString& path, const QString& table, QWidget* parent)
    : QDialog(parent), m_path(path), m_table(table), m_records(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("Deleted Records - %1").arg(table));
    m_records->setObjectName(QStringLiteral("deletedRecords"));
    m_records->setRootIsDecorated(false);
    m_records->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* restore = buttons->addButton(QStringLiteral("Restore"), QDialogButtonBox::ActionRole);
    restore->setObjectName(QStringLiteral("restoreDeleted"));
    connect(restore, &QPushButton::clicked, this, &CDeletedRecordsDlg::restore);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_records);
    layout->addWidget(buttons);
    resize(560, 320);
    fill();
}

void CDeletedRecordsDlg::fill()
{
    m_records->clear();
    const std::vector<cedb::history::DeletedRecord> deleted = cedb::history::deletedRecords(m_path, m_table);
    QStringList headers{QStringLiteral("Deleted"), QStringLiteral("By")};
    if (!deleted.empty())
        for (const cedb::history::FieldValue& value : deleted.front().values)
            headers << value.field;
    m_records->setHeaderLabels(headers);
    for (const cedb::history::DeletedRecord& record : deleted) {
        QStringList columns{historyTime(record.step.at), record.step.command};
        for (const cedb::history::FieldValue& value : record.values)
            columns << historyValue(value.value);
        auto* item = new QTreeWidgetItem(m_records, columns);
        item->setData(0, Qt::UserRole, record.change);
    }
    if (m_records->topLevelItemCount() > 0)
        m_records->setCurrentItem(m_records->topLevelItem(0));
}

void CDeletedRecordsDlg::restore()
{
    QTreeWidgetItem* item = m_records->currentItem();
    if (!item)
        return;
    QString message;
    if (!cedb::history::restoreDeleted(m_path, m_table, item->data(0, Qt::UserRole).toLongLong(), message)) {
        framework::showMessage(message);
        return;
    }
    m_restored = true;
    fill();
}
