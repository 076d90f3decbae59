#include "forms/controls/CFormList.h"

#include <QListWidget>
#include <QScrollBar>

CFormList::CFormList(PropertySet properties, int index, QWidget* parent)
    : CFormControl(std::move(properties), index, parent), m_list(new QListWidget(this))
{
    setBody(m_list);
    m_list->setSortingEnabled(true);
    m_list->setFrameShape(QFrame::StyledPanel);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { raise("OnChange"); });
    connect(m_list, &QListWidget::itemClicked, this, [this] { raise("OnClick"); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { raise("OnDoubleClick"); });
    connect(m_list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { raise("OnScroll"); });
    watch(m_list);
    applyProperties();
}

void CFormList::setItems(const QStringList& items)
{
    if (items == m_items)
        return;
    m_items = items;
    m_list->clear();
    m_list->addItems(items);
}

QString CFormList::text() const
{
    const QList<QListWidgetItem*> chosen = m_list->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

QWidget* CFormList::focusTarget() const { return m_list; }

void CFormList::applyKindProperties()
{
    m_list->setSelectionMode(isYes("Multi Select") ? QAbstractItemView::ExtendedSelection
                                                   : QAbstractItemView::SingleSelection);
}
