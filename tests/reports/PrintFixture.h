#pragma once
// A database under a temporary device root with tables made as the designer makes them (and a datasheet
// over them), a graphical application for the fonts, and PDFs written where the test can read them back.
#include "PdfReading.h"
#include "tables/DatasheetFixture.h"
#include "tables/FieldTypes.h"

class PrintFixture : public DatasheetFixture {
protected:
    static void SetUpTestSuite() { ensureGuiApplication(); }

    QString pdfPath(const QString& name) const { return QString::fromStdString((root / name.toStdString()).string()); }
};
