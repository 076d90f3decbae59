#include "forms/controls/CFormTabCtrl.h"

#include "forms/format/Containers.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QStyle>
#include <QTabBar>

CFormTabCtrl::CFormTabCtrl(PropertySet properties, int index, QWidget* parent)
    : CFormControl(std::move(properties), index, parent), m_tabs(new QTabBar(this))
{
    auto* column = static_cast<QBoxLayout*>(layout());
    column->addWidget(m_tabs, 0, Qt::AlignTop | Qt::AlignLeft);
    column->addStretch(1);
    connect(m_tabs, &QTabBar::currentChanged, this, &CFormTabCtrl::showPage);
    connect(m_tabs, &QTabBar::tabBarClicked, this, [this] { raise("OnClick"); });
    watch(m_tabs);
    applyProperties();
}

QWidget* CFormTabCtrl::focusTarget() const { return m_tabs; }

void CFormTabCtrl::showPage(int index)
{
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages.at(i)->setVisible(i == index);
    if (m_tabs->currentIndex() != index)
        m_tabs->setCurrentIndex(index);
}

void CFormTabCtrl::applyKindProperties()
{
    const QStringList captions = TabPageCaptions(property("TabNames"));
    // Pages already holding controls stay; only the missing ones are added and the surplus removed.
    while (m_pages.size() > captions.size())
        delete m_pages.takeLast();
    while (m_pages.size() < captions.size()) {
        auto* page = new CTabDialog(this);
        page->setObjectName(QStringLiteral("%1Page%2").arg(name()).arg(m_pages.size()));
        m_pages << page;
    }
    const QSignalBlocker quiet(m_tabs);
    while (m_tabs->count() > 0)
        m_tabs->removeTab(0);
    for (const QString& caption : captions)
        m_tabs->addTab(caption);

    const bool buttons = SameText(property("Style"), QStringLiteral("TabButtons"));
    QString sheet = buttons ? QStringLiteral("QTabBar::tab { border: 1px solid gray; border-radius: 3px; margin: 1px;"
                                             " padding: 2px 6px; } QTabBar::tab:selected { background: palette(mid); }")
                            : QString();
    if (isYes("Tab Fixed Width")) {
        int widest = 0;
        for (const QString& caption : captions)
            widest = std::max(widest, m_tabs->fontMetrics().horizontalAdvance(caption));
        // Every tab as wide as the widest caption with the room the style keeps beside a caption and the
        // tab's outline, which the style takes out of the width again when it draws the text.
        const int beside = m_tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, m_tabs) + 2;
        sheet += QStringLiteral(" QTabBar::tab { width: %1px; }").arg(widest + beside);
    }
    m_tabs->setStyleSheet(sheet);
    m_tabs->setDrawBase(!buttons);
    // Without several rows the tab row scrolls; with them every tab stays in view.
    m_tabs->setUsesScrollButtons(!isYes("Multi Row"));
    m_tabs->setElideMode(isYes("Multi Row") ? Qt::ElideRight : Qt::ElideNone);
    placePages();
    showPage(0);
}

void CFormTabCtrl::resizeEvent(QResizeEvent* event)
{
    CFormControl::resizeEvent(event);
    placePages();
}

void CFormTabCtrl::placePages()
{
    for (CTabDialog* page : m_pages)
        page->setGeometry(kPageLeft, kPageTop, std::max(width() - 10, 1), std::max(height() - 30, 1));
}
