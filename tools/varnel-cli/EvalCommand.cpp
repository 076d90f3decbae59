#include "CliCommand.h"

#include "data/CAppContext.h"
#include "logic/EvaluateExpression.h"

#include <QFileInfo>
#include <QTextStream>

#include <memory>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: varnel-cli eval DATABASE EXPRESSION [--offset N] [--logical]\n";
    return 1;
}

} // namespace

// varnel-cli eval DATABASE EXPRESSION [--offset N] [--logical]: the expression evaluated over the database's
// records as the program evaluates it; exit status 2 when its script failed.
int runEval(const QStringList& arguments)
{
    QStringList args = arguments;
    const bool logical = args.removeAll(QStringLiteral("--logical")) > 0;
    int offset = 0;
    if (const qsizetype at = args.indexOf(QStringLiteral("--offset")); at >= 0) {
        bool number = false;
        offset = at + 1 < args.size() ? args.at(at + 1).toInt(&number) : 0;
        if (!number || offset < 0)
            return usage();
        args.remove(at, 2);
    }
    if (args.size() != 2)
        return usage();
    const QFileInfo database(args.at(0));
    if (!database.isFile()) {
        QTextStream(stderr) << "error: no database file " << args.at(0) << "\n";
        return 1;
    }
    CAppContext context;
    context.openDatabase = std::make_shared<COpenDatabase>(database.absoluteFilePath());
    const ExprResult result = EvaluateExpression({context}, args.at(1), offset, logical ? ExprKind::Condition : ExprKind::Calculation);
    QTextStream(stdout) << result.text << "\n";
    if (result.scriptError) {
        // An expression refused before any run has already said why.
        if (!result.errorText.isEmpty())
            QTextStream(stderr) << "error: " << result.errorText << "\n";
        return 2;
    }
    return 0;
}
