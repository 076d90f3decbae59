#include "tables/delimited/RecordWriter.h"

RecordWriter::RecordWriter(CAppContext& context, const QString& table, const QStringList& fieldNames)
{
    cedb::BulkAppend::open(context.databasePath(), table, fieldNames, m_bulk);
}

bool RecordWriter::write(const std::vector<Variant>& values, int line)
{
    if (m_failed)
        return false;
    const HRESULT hr = m_bulk->add(values, line);
    m_failed = FAILED(hr) && hr != cedb::DB_E_BADVALUES;
    return SUCCEEDED(hr);
}

std::vector<cedb::BulkAppend::Refusal> RecordWriter::finish()
{
    if (!m_bulk || m_failed)
        return {};
    m_failed = FAILED(m_bulk->flush());
    return m_bulk->takeRefused();
}
