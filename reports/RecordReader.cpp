#include "reports/RecordReader.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/OdbcType.h"
#include "platform/framework/MessageBox.h"
#include "tables/DatasheetText.h"

RecordReader::RecordReader(CAppContext& context, PrintSource source) : m_context(context), m_source(std::move(source))
{
}

RecordReader::~RecordReader() = default;

bool RecordReader::open()
{
    m_records = std::make_unique<CDbRecordset>(m_context.connection, m_context.databasePath());
    if (!m_records->Open(m_source.statement, 0, 1)) {
        m_records.reset();
        framework::showMessage(QStringLiteral("The records of ") + m_source.title + QStringLiteral(" could not be read"));
        return false;
    }
    m_count = m_records->GetRecordCount();
    for (int i = 0; i < m_records->GetFieldCount(); ++i) {
        m_names << m_records->GetFieldName(i);
        m_types << m_records->GetFieldType(i);
        DatasheetField found;
        for (const DatasheetField& candidate : m_source.fields)
            if (candidate.name.compare(m_names.last(), Qt::CaseInsensitive) == 0)
                found = candidate;
        m_fields << found;
    }
    m_current = -1;
    return true;
}

int RecordReader::indexOf(const QString& name) const
{
    for (int i = 0; i < m_names.size(); ++i)
        if (m_names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QStringList RecordReader::missing(const QStringList& wanted) const
{
    QStringList gone;
    for (const QString& name : wanted)
        if (indexOf(name) < 0 && !gone.contains(name))
            gone << name;
    return gone;
}

bool RecordReader::isNumeric(int field) const
{
    return odbc::isNumeric(odbc::codeOfEngineType(m_types.value(field)));
}

bool RecordReader::moveTo(int record)
{
    if (!m_records || record < 0 || record >= m_count)
        return false;
    if (record == m_current)
        return true;
    const bool moved = record == m_current + 1 && m_current >= 0 ? m_records->MoveNext() : m_records->MoveTo(record);
    m_current = moved ? record : -1;
    return moved;
}

Variant RecordReader::value(int field) { return m_records->GetFieldValue(field); }

QString RecordReader::shown(int field)
{
    return datasheetText(m_context, m_fields.value(field), m_records->GetFieldString(field), m_current, m_count);
}
