#include "tools/peghelp/HelpContents.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

QList<HelpEntry> helpContents(const QString& html)
{
    static const QRegularExpression heading(
        QStringLiteral("<h([23])[^>]*>\\s*<a\\s+name=\"([^\"]+)\"[^>]*>(.*?)</a>.*?</h\\1>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QList<HelpEntry> entries;
    for (const QRegularExpressionMatch& match : heading.globalMatch(html)) {
        const QString title = QTextDocumentFragment::fromHtml(match.captured(3)).toPlainText().simplified();
        entries.append({match.captured(2), title, match.captured(1).toInt() - 1});
    }
    return entries;
}
