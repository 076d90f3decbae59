#pragma once
// PDFs read back as text by pdftotext and described by pdfinfo, and the graphical application printing
// needs for its fonts.
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

inline void ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "report_tests";
    static char* argv[] = {name, nullptr};
    if (!qApp)
        new QGuiApplication(argc, argv);
}

// The text of a PDF's pages (`first` to `last`, every page when 0), its columns kept in place.
inline QString pdfText(const QString& path, int first = 0, int last = 0)
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
inline QString pdfInfo(const QString& path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    pdfinfo.waitForFinished(60000);
    return QString::fromUtf8(pdfinfo.readAllStandardOutput());
}

// The words of a text, however the page wrapped them.
inline QStringList words(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// The lines of `text` that hold any of `marks`, in order, blanks squeezed.
inline QStringList linesWith(const QString& text, const QStringList& marks)
{
    QStringList found;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (std::any_of(marks.begin(), marks.end(), [&line](const QString& mark) { return line.contains(mark); }))
            found << line.simplified();
    return found;
}
