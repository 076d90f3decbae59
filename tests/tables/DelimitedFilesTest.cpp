// Files of the kinds people import, written here from known values and imported as the import dialog
// does it (the choices the file suggests, the preview's fields, Import): every value read back from the
// table must be the value written, character for character.
#include "TableFixture.h"
#include "tables/delimited/TextImportSession.h"

#include <QFile>

namespace {

const QStringList kHeaders{"Full Name", "e-mail", "created_at", "Notes (JSON)", "Version", "Amount", "Empty", "Comment"};
const QStringList kFieldNames{"FullName", "eMail", "createdAt", "Notes(JSON)", "Version", "Amount", "Empty", "Comment"};

const QList<QStringList> kRows{
    {QStringLiteral("O'Brien, Se\u00e1n"), "sean@example.ie", "a \"quoted\" word",
     R"({"id": 7, "tags": ["a", "b"], "note": "x, y; z"})", "2.0", "42", "", "two\nlines"},
    {QStringLiteral("Zo\u00eb \u00c5ngstr\u00f6m"), "", "tab\there", "[]", "3.1", "-3.5", "", "CR LF\r\ninside"},
    {QStringLiteral("Jos\u00e9 N\u00fa\u00f1ez; Jr."), "jose@example.es", QStringLiteral("\u20ac 5 | each"),
     R"({"nested": {"k": "v;w|z"}})", "10", "0", "", ""},
    {"Ann", "ann@example.com", "'single' quotes", "null", "3.10", "1234.5", "", "trailing blank "},
};

struct FileKind {
    const char* name;
    QString delimiter; // as the list names it
    QString separator; // as it stands in the file
    QByteArray lineEnd;
    bool byteOrderMark;
};

QString field(const QString& value, const QString& separator)
{
    if (!value.contains(separator) && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    return QLatin1Char('"') + QString(value).replace(u'"', QStringLiteral("\"\"")) + QLatin1Char('"');
}

QByteArray fileOf(const FileKind& kind)
{
    QByteArray bytes = kind.byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    const auto line = [&](const QStringList& values) {
        QStringList fields;
        for (const QString& value : values)
            fields << field(value, kind.separator);
        bytes += fields.join(kind.separator).toUtf8() + kind.lineEnd;
    };
    line(kHeaders);
    for (qsizetype row = 0; row < kRows.size(); ++row) {
        line(kRows[row]);
        if (row == 1)
            bytes += kind.lineEnd; // an empty line between records
    }
    return bytes;
}

class DelimitedFilesTest : public TableFixture {};

} // namespace

TEST_F(DelimitedFilesTest, EveryValueWrittenIsTheValueStored)
{
    const QList<FileKind> kinds{{"comma.csv", ",", ",", "\n", false},
                                {"marked.csv", ",", ",", "\r\n", true},
                                {"tabs.tsv", "[Tab]", "\t", "\n", true},
                                {"semicolons.txt", ";", ";", "\r\n", false},
                                {"pipes.txt", "|", "|", "\n", false}};
    for (const FileKind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        QFile file(QString::fromStdString((root / kind.name).string()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(fileOf(kind));
        file.close();
        messages.clear();

        TextImportSession session(context, QStringLiteral("\\") + QString::fromLatin1(kind.name));
        EXPECT_EQ(session.delimiter(), kind.delimiter);
        EXPECT_TRUE(session.firstRowNames());
        ASSERT_EQ(session.read(session.delimiter(), session.firstRowNames(), session.skipComments()),
                  PreviewFailure::None);
        QStringList names;
        for (const FieldDefinition& definition : session.fields())
            names << definition.name;
        EXPECT_EQ(names, kFieldNames);
        ASSERT_TRUE(session.import());
        ASSERT_EQ(messages.texts().size(), 1);
        EXPECT_TRUE(messages.texts()[0].startsWith("Imported 4 records into " + session.tableName() + "\n"))
            << messages.texts()[0].toStdString();

        const QList<QStringList> stored = select("SELECT * FROM '" + session.tableName() + "'");
        ASSERT_EQ(stored.size(), kRows.size());
        for (qsizetype row = 0; row < kRows.size(); ++row)
            for (qsizetype column = 0; column < kHeaders.size(); ++column)
                EXPECT_EQ(stored[row].value(column), kRows[row][column]) << "row " << row << ", " << kHeaders[column].toStdString();
    }
}
