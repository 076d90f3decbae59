#include "reports/ui/ReportPreview.h"

#include "reports/PrintDocument.h"
#include "reports/ui/DocumentPrinter.h"
#include "reports/ui/PageView.h"
#include "widgets/WindowSize.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Records laid out between two looks at the window's events.
constexpr int kSlice = 500;
} // namespace

ReportPreview::ReportPreview(std::unique_ptr<PrintDocument> document, QWidget* parent)
    : QDialog(parent), m_document(std::move(document)), m_view(new PageView(this)), m_pageLabel(new QLabel(this)),
      m_previous(new QPushButton(QStringLiteral("< Previous"), this)),
      m_next(new QPushButton(QStringLiteral("Next >"), this)), m_stop(new QPushButton(QStringLiteral("Cancel"), this)),
      m_layOut(new QTimer(this))
{
    setObjectName(QStringLiteral("reportPreview"));
    setWindowTitle(QStringLiteral("Print Preview - ") + m_document->title());
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_stop->setToolTip(QStringLiteral("Stops counting the pages; those laid out can still be seen"));
    auto* print = new QPushButton(QStringLiteral("Print..."), this);
    auto* pdf = new QPushButton(QStringLiteral("Export to PDF..."), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    auto* buttons = new QHBoxLayout;
    for (QWidget* widget : {static_cast<QWidget*>(m_previous), static_cast<QWidget*>(m_next),
                            static_cast<QWidget*>(m_pageLabel), static_cast<QWidget*>(m_stop)})
        buttons->addWidget(widget);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);

    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(m_view->page() - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_view->page() + 1); });
    connect(m_stop, &QPushButton::clicked, this, [this] {
        m_layOut->stop();
        showState();
    });
    connect(print, &QPushButton::clicked, this, &ReportPreview::print);
    connect(pdf, &QPushButton::clicked, this, &ReportPreview::exportPdf);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_layOut, &QTimer::timeout, this, [this] {
        if (!layOutSlice())
            m_layOut->stop();
    });

    // The first page is there at once; the rest follows while the window is on show.
    while (m_document->pageCount() < 1 && layOutSlice()) {
    }
    m_view->display(m_document.get(), 0);
    if (!m_document->isLaidOut())
        m_layOut->start(0);
    showState();
    // A page's height where the screen has room for it.
    resizeToText(*this, 100, 52);
}

ReportPreview::~ReportPreview() = default;

bool ReportPreview::layOutSlice()
{
    const bool more = !m_document->layOutMore(kSlice);
    showState();
    return more;
}

void ReportPreview::showPage(int page)
{
    if (page < 0 || page >= m_document->pageCount())
        return;
    m_view->display(m_document.get(), page);
    showState();
}

void ReportPreview::showState()
{
    const int page = m_view->page() + 1;
    const int pages = m_document->pageCount();
    m_pageLabel->setText(m_document->isLaidOut()
                             ? QStringLiteral("Page %1 of %2").arg(page).arg(pages)
                             : QStringLiteral("Page %1 of %2 so far (%3 of %4 records)")
                                   .arg(page)
                                   .arg(pages)
                                   .arg(m_document->recordsLaidOut())
                                   .arg(m_document->recordCount()));
    m_stop->setVisible(m_layOut->isActive());
    m_previous->setEnabled(page > 1);
    m_next->setEnabled(page < pages);
}

void ReportPreview::print()
{
    m_layOut->stop();
    printAsked(this, *m_document);
    showState();
}

void ReportPreview::exportPdf()
{
    m_layOut->stop();
    exportPdfAsked(this, *m_document);
    showState();
}
