#include "tables/delimited/RecordWriter.h"

#include "data/SqlText.h"

namespace {
constexpr int kRecordsPerOpening = 4096;
} // namespace

RecordWriter::RecordWriter(CAppContext& context, QString table, QStringList fieldNames)
    : m_context(context), m_table(std::move(table)), m_names(std::move(fieldNames))
{
    if (cedb::BulkAppend::open(m_context.databasePath(), m_table, m_names, m_bulk) == E_NOTIMPL)
        open();
}

bool RecordWriter::open()
{
    m_fields.clear();
    m_written = 0;
    auto records = std::make_unique<CDbRecordset>(m_context.connection, m_context.databasePath());
    m_records.reset();
    if (!records->Open(QStringLiteral("SELECT * FROM ") + sqlQuoted(m_table) + QStringLiteral(" WHERE 1 = 0"), 2, 3))
        return false;
    for (const QString& name : m_names) {
        std::shared_ptr<cedb::Field> field;
        for (int i = 0; i < records->GetFieldCount() && !field; ++i)
            if (records->GetFieldName(i).compare(name, Qt::CaseInsensitive) == 0)
                field = records->GetFieldObject(i);
        if (!field)
            return false;
        m_fields << field;
    }
    m_records = std::move(records);
    return true;
}

bool RecordWriter::write(const QList<Variant>& values, int line)
{
    if (m_failed)
        return false;
    if (!m_bulk)
        return writeOne(values);
    const HRESULT hr = m_bulk->add(std::vector<Variant>(values.begin(), values.end()), line);
    m_failed = FAILED(hr) && hr != cedb::DB_E_BADVALUES;
    return SUCCEEDED(hr);
}

bool RecordWriter::writeOne(const QList<Variant>& values)
{
    if ((m_written >= kRecordsPerOpening && !open()) || !m_records || !m_records->AddNew())
        return false;
    ++m_written;
    static const Variant none = Variant::null();
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        if (FAILED(m_fields[i]->put_Value(i < values.size() ? values[i] : none))) {
            // The half-filled record goes with the recordset; the next AddNew would store it.
            open();
            return false;
        }
    return m_records->Update();
}

std::vector<cedb::BulkAppend::Refusal> RecordWriter::finish()
{
    if (!m_bulk || m_failed)
        return {};
    m_failed = FAILED(m_bulk->flush());
    return m_bulk->takeRefused();
}
