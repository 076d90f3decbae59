#include "tools/peghelp/HelpWindow.h"

#include "widgets/ViewKeys.h"
#include "widgets/WindowSize.h"

#include <QAction>
#include <QFile>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>

#include <algorithm>

namespace {
// The window opens this many characters wide and lines high in its font, within the screen.
const int kOpeningCharacters = 160;
const int kOpeningLines = 50;
const int kAnchorRole = Qt::UserRole;
} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Varnel Desk Help"));
    m_contents = new QTreeWidget;
    m_contents->setObjectName(QStringLiteral("contents"));
    m_contents->setHeaderHidden(true);
    m_contents->setItemsExpandable(false);
    m_contents->setIndentation(QFontMetrics(font()).averageCharWidth() * 2);
    m_text = new QTextBrowser;
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setOpenExternalLinks(false);

    m_splitter = new QSplitter;
    m_splitter->addWidget(m_contents);
    m_splitter->addWidget(m_text);
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);

    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    QAction* back = bar->addAction(QStringLiteral("Back"), m_text, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    QAction* forward = bar->addAction(QStringLiteral("Forward"), m_text, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    bar->addAction(QStringLiteral("Contents"), this, [this] { goTo(QStringLiteral("Contents")); });
    // Closed from the keyboard as any desktop window, and from the bar for the mouse.
    QAction* close = bar->addAction(QStringLiteral("Close"), this, &QWidget::close);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), closeViewKey()});
    connect(m_text, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_text, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);

    connect(m_contents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { goTo(item->data(0, kAnchorRole).toString()); });
    connect(m_contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { goTo(item->data(0, kAnchorRole).toString()); });
    connect(m_text, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) { markCurrent(url.fragment()); });

    resizeToText(*this, kOpeningCharacters, kOpeningLines);
}

void HelpWindow::showFile(const QString& path, const QString& anchor)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        fillContents(helpContents(QString::fromUtf8(file.readAll())));
    QUrl url = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    m_text->setSource(url);
    markCurrent(anchor);
}

void HelpWindow::showMissing(const QString& path)
{
    m_text->setPlainText(QStringLiteral("The help file %1 was not found.").arg(path));
}

void HelpWindow::goTo(const QString& anchor)
{
    QUrl url = m_text->source();
    url.setFragment(anchor);
    m_text->setSource(url);
}

void HelpWindow::fillContents(const QList<HelpEntry>& entries)
{
    m_contents->clear();
    QTreeWidgetItem* chapter = nullptr;
    for (const HelpEntry& entry : entries) {
        const bool section = entry.level > 1 && chapter;
        auto* item = section ? new QTreeWidgetItem(chapter, {entry.title}) : new QTreeWidgetItem(m_contents, {entry.title});
        item->setData(0, kAnchorRole, entry.anchor);
        if (!section)
            chapter = item;
    }
    m_contents->expandAll();
    m_contents->resizeColumnToContents(0);
    // Every title shows whole, unless that would leave the text less than two thirds of the window.
    const int wanted = m_contents->columnWidth(0) + m_contents->indentation() +
                       m_contents->verticalScrollBar()->sizeHint().width() + 2 * m_contents->frameWidth();
    const int width = std::min(wanted, this->width() / 3);
    m_splitter->setSizes({width, this->width() - width});
}

// The entry of the place on show is the selected one, so the list tells where the text stands.
void HelpWindow::markCurrent(const QString& anchor)
{
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if ((*it)->data(0, kAnchorRole).toString() == anchor) {
            m_contents->setCurrentItem(*it);
            m_contents->scrollToItem(*it);
            return;
        }
    }
}
