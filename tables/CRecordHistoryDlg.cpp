#include "tables/CRecordHistoryDlg.h"

#include "platform/cedb/History.h"
#include "platform/framework/MessageBox.h"
#include "tables/HistoryDisplay.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString kindText(cedb::history::ChangeKind kind)
{
    switch (kind) {
    case cedb::history::ChangeKind::Added: return QStringLiteral("added");
    case cedb::history::ChangeKind::Deleted: return QStringLiteral("deleted");
    default: return QStringLiteral("changed");
    }
}

} // namespace

CRecordHistoryDlg::CRecordHistoryDlg(const QString& path, const QString& table, qint64 record, QWidget* parent)
    : QDialog(parent), m_path(path), m_table(table), m_record(record), m_changes(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("Record History"));
    m_changes->setObjectName(QStringLiteral("recordHistory"));
    m_changes->setHeaderLabels({QStringLiteral("Time / Field"), QStringLiteral("Command / Old"), QStringLiteral("New")});
    m_changes->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* restore = buttons->addButton(QStringLiteral("Restore"), QDialogButtonBox::ActionRole);
    restore->setObjectName(QStringLiteral("restoreVersion"));
    connect(restore, &QPushButton::clicked, this, &CRecordHistoryDlg::restore);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_changes);
    layout->addWidget(buttons);
    resize(560, 380);
    fill();
}

void CRecordHistoryDlg::fill()
{
    m_changes->clear();
    for (const cedb::history::RecordVersion& version : cedb::history::recordHistory(m_path, m_table, m_record)) {
        QString command = version.step.command + QStringLiteral(" (") + kindText(version.kind) + QLatin1Char(')');
        if (version.step.undone)
            command += QStringLiteral(", undone");
        auto* item = new QTreeWidgetItem(m_changes, {historyTime(version.step.at), command});
        item->setData(0, Qt::UserRole, version.change);
        for (const cedb::history::FieldChange& field : version.fields)
            new QTreeWidgetItem(item, {field.field,
                                       version.kind == cedb::history::ChangeKind::Added ? QString() : historyValue(field.before),
                                       version.kind == cedb::history::ChangeKind::Deleted ? QString() : historyValue(field.after)});
        item->setExpanded(true);
    }
    if (m_changes->topLevelItemCount() > 0)
        m_changes->setCurrentItem(m_changes->topLevelItem(0));
}

void CRecordHistoryDlg::restore()
{
    QTreeWidgetItem* item = m_changes->currentItem();
    while (item && item->parent())
        item = item->parent();
    if (!item)
        return;
    QString message;
    if (!cedb::history::restoreVersion(m_path, m_table, m_record, item->data(0, Qt::UserRole).toLongLong(), message)) {
        framework::showMessage(message);
        return;
    }
    m_restored = true;
    fill();
}
