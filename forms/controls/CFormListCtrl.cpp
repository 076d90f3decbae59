#include "forms/controls/CFormListCtrl.h"

#include <QHeaderView>
#include <QTreeWidget>

CFormListCtrl::CFormListCtrl(PropertySet properties, int index, QWidget* parent)
    : CFormControl(std::move(properties), index, parent), m_tree(new QTreeWidget(this))
{
    setBody(m_tree);
    m_tree->setRootIsDecorated(false);
    m_tree->setHeaderLabels({name()});
    connect(m_tree->header(), &QHeaderView::sectionClicked, this, [this] { raise("OnColumnClick"); });
    connect(m_tree, &QTreeWidget::itemClicked, this, [this] { raise("OnListItmClick"); });
    watch(m_tree);
    applyProperties();
}

void CFormListCtrl::setItems(const QStringList& items)
{
    if (items == m_items)
        return;
    m_items = items;
    m_tree->clear();
    for (const QString& item : items) {
        auto* row = new QTreeWidgetItem(m_tree, {item});
        row->setFlags(row->flags() | (isYes("Label Edit") ? Qt::ItemIsEditable : Qt::NoItemFlags));
    }
    applyKindProperties();
}

QWidget* CFormListCtrl::focusTarget() const { return m_tree; }

bool CFormListCtrl::isReportView() const { return !SameText(property("View"), QStringLiteral("List")); }

void CFormListCtrl::applyKindProperties()
{
    m_tree->setHeaderHidden(!isReportView() || isYes("Hide Column Headers"));
    m_tree->setWordWrap(!isNo("Label Wrap"));
    m_tree->setEditTriggers(isYes("Label Edit") ? QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                                                : QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionMode(isNo("MultiSelect") ? QAbstractItemView::SingleSelection
                                                 : QAbstractItemView::ExtendedSelection);
    // A selection that stays visible without the focus keeps the active colours.
    QPalette colours = m_tree->palette();
    if (isNo("Hide Selection"))
        colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
    m_tree->setPalette(colours);
    const QString order = property("Sort Order");
    if (SameText(order, QStringLiteral("Ascending")))
        m_tree->sortItems(0, Qt::AscendingOrder);
    else if (SameText(order, QStringLiteral("Descending")))
        m_tree->sortItems(0, Qt::DescendingOrder);
}
