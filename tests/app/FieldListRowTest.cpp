#include "app/shell/FieldListRow.h"

#include <gtest/gtest.h>

namespace {
// An XNSysFields row as "Select *" gives it, with the columns the fields list reads.
QStringList catalogueRow(const QString& name, const QString& len, const QString& odbcType,
                         const QString& required = "0", const QString& unique = "0", const QString& combo = "0",
                         const QString& calculation = {}, const QString& autoNumber = "0")
{
    QStringList row(26);
    row[0] = "7";
    row[1] = name;
    row[2] = "1";
    row[3] = len;
    row[4] = odbcType;
    row[5] = combo;
    row[8] = required;
    row[9] = unique;
    row[10] = calculation;
    row[11] = autoNumber;
    return row;
}
} // namespace

TEST(FieldListRow, NamesEveryTypeCodeAndUnknownOnes)
{
    const QList<std::pair<QString, QString>> codes = {{"-7", "Boolean"}, {"-4", "OLE Object"}, {"-1", "Memo"},
                                                      {"4", "Integer"},  {"8", "Double"},      {"11", "Date/Time"},
                                                      {"12", "Text"},    {"5", "Not Found"},   {"", "Not Found"}};
    for (const auto& [code, name] : codes)
        EXPECT_EQ(fieldTypeName(catalogueRow("F", "4", code)), name) << code.toStdString();
}

TEST(FieldListRow, AutoNumberWinsOverTheTypeCodeOnlyWhenSet)
{
    EXPECT_EQ(fieldTypeName(catalogueRow("Id", "4", "4", "0", "0", "0", {}, "1")), "AutoNumber");
    EXPECT_EQ(fieldTypeName(catalogueRow("Id", "4", "4", "0", "0", "0", {}, "")), "Integer");
    EXPECT_EQ(fieldTypeName(catalogueRow("Id", "4", "4", "0", "0", "0", {}, "0")), "Integer");
}

TEST(FieldListRow, TextFieldShowsFlagsLookupAndCalculation)
{
    EXPECT_EQ(fieldListRow(catalogueRow("Name", "50", "12", "-1", "0", "1")),
              QStringList({"Name", "Text", "50", "YES", "NO", "YES", "NO"}));
    EXPECT_EQ(fieldListRow(catalogueRow("Total", "8", "8", "0", "-1", "0", "[Price]*[Qty]")),
              QStringList({"Total", "Double", "8", "NO", "YES", "NO", "[Price]*[Qty]"}));
}

TEST(FieldListRow, ColumnsThatDoNotApplyStayEmpty)
{
    EXPECT_EQ(fieldListRow(catalogueRow("Notes", "0", "-1", "-1", "-1", "1", "x")),
              QStringList({"Notes", "Memo", "0", "YES", "", "", ""}));
    EXPECT_EQ(fieldListRow(catalogueRow("Photo", "0", "-4", "-1", "-1")),
              QStringList({"Photo", "OLE Object", "0", "", "", "", ""}));
    EXPECT_EQ(fieldListRow(catalogueRow("Id", "4", "4", "-1", "-1", "0", {}, "1")),
              QStringList({"Id", "AutoNumber", "4", "", "YES", "NO", "NO"}));
}

TEST(FieldListRow, ShortRowsGiveEmptyTextsInsteadOfFailing)
{
    EXPECT_EQ(fieldListRow({"7", "Loose"}), QStringList({"Loose", "Not Found", "", "NO", "NO", "NO", "NO"}));
}
