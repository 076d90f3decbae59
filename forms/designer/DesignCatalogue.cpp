#include "forms/designer/DesignCatalogue.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/Catalogue.h"
#include "data/OdbcType.h"
#include "data/SqlText.h"
#include "platform/cedb/Engine.h"
#include "tables/DatasheetFields.h"

namespace {

const QString kQueryMark = QStringLiteral("(Q)");

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
    QStringList values;
    CDbRecordset rows(m_context.connection, m_context.databasePath());
    if (!m_context.openDatabase || !rows.Open(sql, cedb::adOpenForwardOnly, cedb::adLockReadOnly))
        return values;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        const QString value = rows.GetFieldString(column);
        if (!value.isEmpty() && !values.contains(value))
            values << value;
    }
    return values;
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
    for (const QString& name : column(QStringLiteral("Select QueryName From XNSysQueries"), 0))
        names << kQueryMark + name;
    return names;
}

QStringList DesignCatalogue::macros() const { return column(QStringLiteral("Select * from XNSysMacros"), 1); }

QStringList DesignCatalogue::modules() const { return column(QStringLiteral("Select ModuleName from XNSysModules"), 0); }

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
    const QStringList statement =
        column(QStringLiteral("Select QueryStmt From XNSysQueries Where QueryName = ") +
                   sqlQuoted(source.mid(mark + kQueryMark.size())),
               0);
    CDbRecordset records(m_context.connection, m_context.databasePath());
    if (statement.isEmpty() || !records.Open(statement.first(), cedb::adOpenForwardOnly, cedb::adLockReadOnly))
        return fields;
    for (int i = 0; i < records.GetFieldCount(); ++i)
        fields << SourceField{records.GetFieldName(i), odbc::codeOfEngineType(records.GetFieldType(i)), 0, false};
    return fields;
}
