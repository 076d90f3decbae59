#include "forms/designer/DesignCatalogue.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/Catalogue.h"
#include "data/CatalogueSql.h"
#include "data/MacroRows.h"
#include "data/ModuleRows.h"
#include "data/QueryStore.h"
#include "data/OdbcType.h"
#include "data/SqlText.h"
#include "tables/DatasheetFields.h"

namespace {

const QString kQueryMark = QStringLiteral("(Q)");

// The names a list offers: each once, none empty.
QStringList distinctNames(const QStringList& names)
{
    QStringList distinct;
    for (const QString& name : names)
        if (!name.isEmpty() && !distinct.contains(name))
            distinct << name;
    return distinct;
}

} // namespace

QString TypeNameOfOdbc(int odbcType)
{
    switch (odbcType) {
    case odbc::Memo: return QStringLiteral("Memo");
    case odbc::Integer: return QStringLiteral("Integer");
    case odbc::Double: return QStringLiteral("Double");
    case odbc::DateTime: return QStringLiteral("DateTime");
    case odbc::Boolean: return QStringLiteral("Boolean");
    case odbc::OleObject: return QStringLiteral("OLE Obj");
    default: return QStringLiteral("Text");
    }
}

QString SourceField::typeName() const { return TypeNameOfOdbc(odbcType); }

QStringList DesignCatalogue::column(const QString& sql, int column) const
{
    ContextSql catalogue(m_context);
    return distinctNames(selectColumn(catalogue, sql, column));
}

QStringList DesignCatalogue::tables() const
{
    QStringList names;
    for (const QString& name : column(QStringLiteral("SELECT TableName FROM MSysTables"), 0))
        if (isUserTable(name))
            names << name;
    return names;
}

QStringList DesignCatalogue::queries() const
{
    QStringList names;
    ContextSql sql(m_context);
    for (const QString& name : distinctNames(QueryRows(sql).names()))
        names << kQueryMark + name;
    return names;
}

QStringList DesignCatalogue::macros() const
{
    ContextSql sql(m_context);
    return distinctNames(MacroRows(sql).names());
}

QStringList DesignCatalogue::modules() const
{
    ContextSql sql(m_context);
    return distinctNames(ModuleRows(sql).names());
}

QList<SourceField> DesignCatalogue::fields(const QString& source) const
{
    QList<SourceField> fields;
    const qsizetype mark = source.indexOf(kQueryMark);
    if (mark < 0) {
        for (const DatasheetField& field : readDatasheetFields(m_context, tableIdOf(m_context, source)))
            fields << SourceField{field.name, field.info.odbcType,
                                  field.info.odbcType == odbc::Text ? field.info.maxLen.toInt() : 0,
                                  !field.lookup().isNone()};
        return fields;
    }
    const std::optional<StoredQuery> query = QueryStore(m_context).find(source.mid(mark + kQueryMark.size()));
    CDbRecordset records(m_context.connection, m_context.databasePath());
    if (!query || query->statement.isEmpty() ||
        !records.Open(query->statement, CDbRecordset::kForwardOnly, CDbRecordset::kReadOnly))
        return fields;
    for (int i = 0; i < records.GetFieldCount(); ++i)
        fields << SourceField{records.GetFieldName(i), odbc::codeOfEngineType(records.GetFieldType(i)), 0, false};
    return fields;
}
