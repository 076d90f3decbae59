#include "reports/PrintOutput.h"

#include "platform/framework/MessageBox.h"
#include "reports/PrintDocument.h"
#include "reports/TextStyle.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace {

// Records laid out between two reports of progress.
constexpr int kSlice = 500;

bool report(const ProgressCallback& progress, const QString& step, int done, int total)
{
    return !progress || progress({step, done, total});
}

void tell(const QString& text) { framework::showMessage(text); }

} // namespace

PrintOutcome layOut(PrintDocument& document, const ProgressCallback& progress)
{
    while (!document.layOutMore(kSlice))
        if (!report(progress, QStringLiteral("Laying out"), document.recordsLaidOut(), document.recordCount()))
            return PrintOutcome::Cancelled;
    return PrintOutcome::Done;
}

PrintOutcome paintPages(PrintDocument& document, QPagedPaintDevice& device, const ProgressCallback& progress)
{
    if (const PrintOutcome laidOut = layOut(document, progress); laidOut != PrintOutcome::Done)
        return laidOut;
    device.setPageLayout(document.pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return PrintOutcome::Failed;
    paintInPoints(painter);
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (!report(progress, QStringLiteral("Printing"), page, pages)) {
            painter.end();
            return PrintOutcome::Cancelled;
        }
        if (page > 0 && !device.newPage()) {
            painter.end();
            return PrintOutcome::Failed;
        }
        painter.save();
        document.paintPage(painter, page);
        painter.restore();
    }
    return painter.end() ? PrintOutcome::Done : PrintOutcome::Failed;
}

PrintOutcome writePdf(PrintDocument& document, const QString& path, const ProgressCallback& progress)
{
    const QString failure = QStringLiteral("The PDF file could not be written: ") + path;
    QSaveFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly)) {
        tell(failure);
        return PrintOutcome::Failed;
    }
    PrintOutcome outcome;
    {
        QPdfWriter writer(&file);
        writer.setTitle(document.title());
        writer.setCreator(QStringLiteral("Varnel Desk"));
        outcome = paintPages(document, writer, progress);
    }
    if (outcome == PrintOutcome::Done && file.commit())
        return outcome;
    file.cancelWriting();
    if (outcome == PrintOutcome::Cancelled)
        return outcome;
    tell(failure);
    return PrintOutcome::Failed;
}

PrintOutcome printDocument(PrintDocument& document, QPrinter& printer, const ProgressCallback& progress)
{
    printer.setDocName(document.title());
    const PrintOutcome outcome = paintPages(document, printer, progress);
    if (outcome == PrintOutcome::Cancelled) {
        printer.abort();
        return outcome;
    }
    if (outcome == PrintOutcome::Failed || printer.printerState() == QPrinter::Error) {
        const QString name = printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
        tell(QStringLiteral("The printer could not print the pages: ") + name);
        return PrintOutcome::Failed;
    }
    return outcome;
}
