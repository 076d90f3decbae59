#pragma once
// A database under a temporary device root with tables made as the designer makes them (and a datasheet
// over them), a graphical application for the fonts, and PDFs read back as text by pdftotext.
#include "tables/DatasheetFixture.h"
#include "tables/FieldTypes.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>

class PrintFixture : public DatasheetFixture {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "report_tests";
        static char* argv[] = {name, nullptr};
        if (!qApp)
            new QGuiApplication(argc, argv);
    }

    QString pdfPath(const QString& name) const { return QString::fromStdString((root / name.toStdString()).string()); }

    // The text of a PDF's pages (`first` to `last`, every page when 0), its columns kept in place.
    static QString pdfText(const QString& path, int first = 0, int last = 0)
    {
        QStringList args{QStringLiteral("-layout")};
        if (first > 0)
            args << QStringLiteral("-f") << QString::number(first) << QStringLiteral("-l") << QString::number(last);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), args << path << QStringLiteral("-"));
        pdftotext.waitForFinished(60000);
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }
    // A PDF's pages and the size of its first one, as pdfinfo tells them: "Pages: 3", "Page size: 595 x 842 pts".
    static QString pdfInfo(const QString& path)
    {
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {path});
        pdfinfo.waitForFinished(60000);
        return QString::fromUtf8(pdfinfo.readAllStandardOutput());
    }
    // The words of a text, however the page wrapped them.
    static QStringList words(const QString& text) { return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts); }
};
