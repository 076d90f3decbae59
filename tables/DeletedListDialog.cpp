#include "tables/DeletedListDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

DeletedListDialog::DeletedListDialog(const QString& title, const QString& listName, QWidget* parent)
    : QDialog(parent), m_list(new QTreeWidget(this))
{
    setWindowTitle(title);
    m_list->setObjectName(listName);
    m_list->setRootIsDecorated(false);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* restore = buttons->addButton(QStringLiteral("Restore"), QDialogButtonBox::ActionRole);
    restore->setObjectName(QStringLiteral("restoreDeleted"));
    connect(restore, &QPushButton::clicked, this, &DeletedListDialog::restore);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(560, 320);
}

void DeletedListDialog::list(const QStringList& headers, const std::vector<std::pair<QStringList, qint64>>& rows)
{
    m_list->clear();
    m_list->setHeaderLabels(headers);
    for (const auto& [columns, key] : rows) {
        auto* item = new QTreeWidgetItem(m_list, columns);
        item->setData(0, Qt::UserRole, key);
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
}

void DeletedListDialog::restore()
{
    QTreeWidgetItem* item = m_list->currentItem();
    if (!item || !restoreItem(item))
        return;
    m_restored = true;
    fill();
}
