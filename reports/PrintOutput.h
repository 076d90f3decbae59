#pragma once
// A document's pages onto paper: into a PDF file, which appears complete or not at all, or to a printer.
// Laying out and painting report how far they have come, and the callback may cancel either.
#include <QString>

#include <functional>

class PrintDocument;
class QPagedPaintDevice;
class QPrinter;

struct PrintProgress {
    // "Laying out" while the records are read, "Printing" while the pages are painted.
    QString step;
    int done = 0;
    int total = 0;
};
// False cancels.
using ProgressCallback = std::function<bool(const PrintProgress&)>;

enum class PrintOutcome { Done, Cancelled, Failed };

// Lays out what is left of the document: Cancelled when the callback said so.
PrintOutcome layOut(PrintDocument& document, const ProgressCallback& progress);
// Paints every page onto `device`, which is given the document's page layout first. Failed when the device
// could not be painted on.
PrintOutcome paintPages(PrintDocument& document, QPagedPaintDevice& device, const ProgressCallback& progress);

// Writes the PDF at `path` (a host path); what was there stays unless the whole file was written. Says why
// when it could not be.
PrintOutcome writePdf(PrintDocument& document, const QString& path, const ProgressCallback& progress = {});
// Sends the pages to the printer as it is set up; says so when the printer fails.
PrintOutcome printDocument(PrintDocument& document, QPrinter& printer, const ProgressCallback& progress = {});
