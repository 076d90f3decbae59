#pragma once
// The Print, Print Preview and Export to PDF commands of a window, over a document made afresh each time
// one is chosen, so that it shows the records as they are then. Long work shows a progress box with
// Cancel over the window.
#include "reports/PrintOutput.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class PrintDocument;

// The document to print; null after the message that says why there is none.
using DocumentMaker = std::function<std::unique_ptr<PrintDocument>()>;
// The PDF file chosen for a document of that title; empty when the choice was cancelled.
using PdfPathChooser = std::function<QString(QWidget* window, const QString& title)>;

// The print dialog over `window`, then the document's pages to the printer chosen.
void printAsked(QWidget* window, PrintDocument& document);
// Asks where, then writes the document's PDF there and says where it went; false when cancelled or not
// written.
bool exportPdfAsked(QWidget* window, PrintDocument& document);
// Writes the PDF at `path` with a progress box over `window`; false, after the message that says why, when
// it could not be written.
bool exportPdfAt(QWidget* window, PrintDocument& document, const QString& path);

class DocumentPrinter {
public:
    DocumentPrinter(QWidget* window, DocumentMaker make) : m_window(window), m_make(std::move(make)) {}

    // The print dialog, then the pages to the printer chosen.
    void print();
    // The pages in the print preview window, from which they may be printed.
    void preview();
    // Asks where, then writes the PDF there.
    void exportPdf();
    // Writes the PDF at `path`; false, after the message that says why, when it could not be written.
    bool exportPdfTo(const QString& path);

    // Installs the chooser Export to PDF asks (a save dialog unless one is installed); returns the previous.
    static PdfPathChooser setPdfPathChooser(PdfPathChooser chooser);

private:
    QPointer<QWidget> m_window;
    DocumentMaker m_make;
};

// A progress box over `window` for laying out and printing, shown once the work lasts; Cancel stops it.
class PrintProgressBox {
public:
    explicit PrintProgressBox(QWidget* window);
    ~PrintProgressBox();
    ProgressCallback callback();

private:
    struct Box;
    std::unique_ptr<Box> m_box;
};
