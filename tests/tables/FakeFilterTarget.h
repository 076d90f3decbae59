#pragma once
// An open datasheet as the filter, sort and find commands see it: a real recordset over a table of the
// fixture's database, the statements it was asked to show, and a current cell the test sets.
#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "tables/FilterTarget.h"

#include <QList>
#include <QStringList>

#include <memory>

class FakeFilterTarget : public FilterTarget {
public:
    FakeFilterTarget(CAppContext& context, const QString& table, QList<int> types)
        : m_context(context), m_table(table), m_types(std::move(types))
    {
    }

    // Opens the source as the datasheet does when it starts.
    void open()
    {
        showRecordsOf(baseSql());
        shown.clear();
    }

    QString sourceName() const override { return m_table; }
    bool sourceIsTable() const override { return query.isEmpty(); }
    QString baseSql() const override { return query.isEmpty() ? QStringLiteral("SELECT * FROM ") + m_table : query; }
    int fieldCount() const override { return m_records ? m_records->GetFieldCount() : 0; }
    QString fieldName(int field) const override { return m_records->GetFieldName(field); }
    int fieldType(int field) const override { return m_types.value(field); }
    int recordCount() const override { return m_records ? m_records->GetRecordCount() : 0; }
    int currentField() const override { return field; }
    int currentRecord() const override { return record; }
    QString currentCellText() const override
    {
        if (!typedText.isNull())
            return typedText;
        return m_records->MoveTo(record) ? m_records->GetFieldString(field) : QString();
    }
    bool showRecordsOf(const QString& sql) override
    {
        shown << sql;
        auto records = std::make_unique<CDbRecordset>(m_context.connection, m_context.databasePath());
        if (!records->Open(sql, 2, 3))
            return false;
        m_records = std::move(records);
        record = recordCount() > 0 ? 0 : -1;
        return true;
    }
    CDbRecordset* recordset() override { return m_records.get(); }
    void selectCell(int row, int column) override
    {
        record = row;
        field = column;
    }
    void refreshRecord(int row) override { refreshed << row; }

    // The values of one field of every record shown, in order.
    QStringList column(int index) const
    {
        QStringList values;
        for (int i = 0; i < recordCount() && m_records->MoveTo(i); ++i)
            values << m_records->GetFieldString(index);
        return values;
    }
    QString lastShown() const { return shown.value(shown.size() - 1); }

    QString query;
    // What the current cell shows when it is not the stored value (a refused edit, a typed text).
    QString typedText;
    int field = 0;
    int record = 0;
    QStringList shown;
    QList<int> refreshed;

private:
    CAppContext& m_context;
    QString m_table;
    QList<int> m_types;
    std::unique_ptr<CDbRecordset> m_records;
};
