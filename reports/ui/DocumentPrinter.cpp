#include "reports/ui/DocumentPrinter.h"

#include "platform/framework/MessageBox.h"
#include "reports/PrintDocument.h"
#include "widgets/SaveFileDialog.h"
#include "widgets/WindowSize.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>

#include <algorithm>
#include <utility>

namespace {

QString askForPdfPath(QWidget* window, const QString& title)
{
    QFileDialog dialog(window, QStringLiteral("Export to PDF"));
    prepareSaveDialog(dialog, QStringLiteral("PDF Files (*.pdf)"), QStringLiteral("pdf"));
    dialog.selectFile(title + QStringLiteral(".pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

PdfPathChooser& pdfPathChooser()
{
    static PdfPathChooser chooser = askForPdfPath;
    return chooser;
}

} // namespace

struct PrintProgressBox::Box {
    QPointer<QWidget> window;
    std::unique_ptr<QProgressDialog> dialog;
};

PrintProgressBox::PrintProgressBox(QWidget* window) : m_box(std::make_unique<Box>())
{
    m_box->window = window;
}

PrintProgressBox::~PrintProgressBox() = default;

ProgressCallback PrintProgressBox::callback()
{
    return [box = m_box.get()](const PrintProgress& progress) {
        if (!box->dialog) {
            box->dialog = std::make_unique<QProgressDialog>(QString(), QStringLiteral("Cancel"), 0, 0, box->window);
            box->dialog->setWindowTitle(framework::applicationCaption());
            box->dialog->setWindowModality(Qt::ApplicationModal);
            box->dialog->setMinimumDuration(500);
        }
        box->dialog->setLabelText(progress.step + QStringLiteral("..."));
        box->dialog->setMaximum(std::max(progress.total, 0));
        box->dialog->setValue(std::min(progress.done, std::max(progress.total, 0)));
        // The box repaints and Cancel can be pressed between slices of the work.
        QApplication::processEvents();
        return !box->dialog->wasCanceled();
    };
}

PdfPathChooser DocumentPrinter::setPdfPathChooser(PdfPathChooser chooser)
{
    return std::exchange(pdfPathChooser(), std::move(chooser));
}

void printAsked(QWidget* window, PrintDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(document.pageLayout());
    QPrintDialog dialog(&printer, window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintProgressBox progress(window);
    printDocument(document, printer, progress.callback());
}

bool exportPdfAsked(QWidget* window, PrintDocument& document)
{
    const QString path = pdfPathChooser()(window, document.title());
    if (path.isEmpty() || !exportPdfAt(window, document, path))
        return false;
    // The file went where the user pointed, which a save dialog soon lets them forget.
    framework::showMessage(QStringLiteral("The PDF file was written: ") + QDir::toNativeSeparators(path),
                           framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
    return true;
}

bool exportPdfAt(QWidget* window, PrintDocument& document, const QString& path)
{
    PrintProgressBox progress(window);
    return writePdf(document, path, progress.callback()) == PrintOutcome::Done;
}

void DocumentPrinter::print()
{
    if (const std::unique_ptr<PrintDocument> document = m_make())
        printAsked(m_window, *document);
}

void DocumentPrinter::preview()
{
    const std::unique_ptr<PrintDocument> document = m_make();
    if (!document)
        return;
    PrintProgressBox progress(m_window);
    if (layOut(*document, progress.callback()) != PrintOutcome::Done)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(document->pageLayout());
    printer.setDocName(document->title());
    QPrintPreviewDialog dialog(&printer, m_window);
    dialog.setWindowTitle(QStringLiteral("Print Preview - ") + document->title());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter* target) { paintPages(*document, *target, {}); });
    resizeToText(dialog, 128, 41);
    dialog.exec();
}

void DocumentPrinter::exportPdf()
{
    if (const std::unique_ptr<PrintDocument> document = m_make())
        exportPdfAsked(m_window, *document);
}

bool DocumentPrinter::exportPdfTo(const QString& path)
{
    const std::unique_ptr<PrintDocument> document = m_make();
    return document && exportPdfAt(m_window, *document, path);
}
