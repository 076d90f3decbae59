#include "data/Catalogue.h"

const std::vector<CatalogueTable>& catalogueTables()
{
    static const std::vector<CatalogueTable> tables = {
        {QStringLiteral("XNSysTables"),
         {QStringLiteral("CREATE TABLE 'XNSysTables' (TableSource text, FieldNum int, FieldName text, Widths text, "
                         "Options text)"),
          QStringLiteral("CREATE INDEX 'TableSourceWidths' ON 'XNSysTables' ('TableSource')")}},
        {QStringLiteral("XNSysForms"),
         {QStringLiteral("CREATE TABLE 'XNSysForms' (FormName varchar(64), TableSource text, CtrlProps text)"),
          QStringLiteral("CREATE INDEX 'FormNames' ON 'XNSysForms' ('FormName')")}},
        {QStringLiteral("XNSysFields"),
         {QStringLiteral("CREATE TABLE 'XNSysFields' (TableID int, FieldName varchar(64), FieldID int, Len smallint, "
                         "ODBCType smallint, Combo int, ComboFlags text, ComboData text, Required bit, Unique bit, "
                         "Calculation text, AutoNumber int, LeftTable text, RightTable text, LeftField text, "
                         "RightField text, LRelationType text, LRelationFlags text, RRelationType text, "
                         "RRelationFlags text, Format text, InputMask text, DefValue text, ValdnRule text, "
                         "ValdnText text, ZeroLen bit)"),
          QStringLiteral("CREATE INDEX 'TableIDs' ON 'XNSysFields' ('TableID')"),
          QStringLiteral("CREATE INDEX 'FieldIDs' ON 'XNSysFields' ('FieldID')")}},
        {QStringLiteral("XNSysRelations"),
         {QStringLiteral("CREATE TABLE 'XNSysRelations' (LeftTable varchar(64), RightTable varchar(64), LeftField "
                         "text, RightField text, RelationType SmallInt, RelationFlags SmallInt)")}},
        {QStringLiteral("XNSysMacros"),
         {QStringLiteral("CREATE TABLE 'XNSysMacros' (MacroID int,MacroName varchar(15),Event text,Arguments "
                         "text,Standalone bit)")}},
        {QStringLiteral("XNSysModules"),
         {QStringLiteral("CREATE TABLE 'XNSysModules' (ModuleName varchar(15),Source text)")}},
        {QStringLiteral("XNSysQueries"),
         {QStringLiteral("CREATE TABLE 'XNSysQueries' (QueryID int, QueryName varchar(64), QueryType smallint, "
                         "QueryStmt text, QuerySelect text, QueryFrom text, QueryCriteria text, QueryOrderBy text, "
                         "QueryJoins text, Attribs varchar(20))")}},
    };
    return tables;
}

bool isUserTable(const QString& name)
{
    return !name.contains(QLatin1String("MSys")) && !name.contains(QLatin1String("XNSys"));
}
