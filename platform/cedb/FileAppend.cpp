#include "platform/cedb/FileAppend.h"

#include "platform/cedb/Failures.h"
#include "platform/cedb/RowWrites.h"

#include <sqlite3.h>

#include <QStringEncoder>

#include <algorithm>

namespace cedb {

FileAppend::FileAppend(std::shared_ptr<Database> db, const TableInfo& table, std::vector<ColumnInfo> columns)
    : m_db(std::move(db)), m_table(table.storage), m_columns(std::move(columns)), m_values(m_columns.size()),
      m_texts(m_columns.size()), m_textSizes(m_columns.size())
{
    std::vector<QByteArray> names;
    for (const ColumnInfo& column : m_columns)
        names.push_back(column.storage);
    m_sql = insertSql(m_table, names);
    m_digest = WrittenDigest(m_db->handle(), table, names);
}

HRESULT FileAppend::add(const std::vector<Variant>& values, qint64)
{
    static const Variant none = Variant::null();
    for (size_t i = 0; i < m_columns.size(); ++i) {
        const Variant& value = i < values.size() ? values[i] : none;
        if (FAILED(toStored(value, m_columns[i].type, LengthCheck::Enforce, m_values[i])))
            return fail(DB_E_BADVALUES,
                        QStringLiteral("The value %1 does not fit the field %2").arg(value.toString(), m_columns[i].name));
    }
    const HRESULT hr = m_db->writeAdded(
        m_table, [this] { return insert(); }, [this](const TableInfo&) { return digest(); });
    // The caller's texts are shared by the values until they let go of them; the statement has its own copy.
    std::fill(m_values.begin(), m_values.end(), StoredValue());
    return hr;
}

// Texts are written into buffers kept from one record to the next, where the general binding would
// allocate one for each value and free it with the next.
void FileAppend::bind()
{
    for (size_t i = 0; i < m_values.size(); ++i) {
        const auto* text = std::get_if<QString>(&m_values[i]);
        if (!text) {
            bindStored(m_statement.get(), int(i) + 1, m_values[i]);
            continue;
        }
        // The buffer only grows: a shorter text than the one before fits in the room it left.
        QByteArray& utf8 = m_texts[i];
        if (utf8.size() < text->size() * 3)
            utf8.resize(text->size() * 3);
        const char* end = m_toUtf8.appendToBuffer(utf8.data(), *text);
        m_textSizes[i] = size_t(end - utf8.constData());
        sqlite3_bind_text64(m_statement.get(), int(i) + 1, utf8.constData(), m_textSizes[i], SQLITE_STATIC,
                            SQLITE_UTF8);
    }
}

// Asked only when the history keeps the record, from the values and texts just written.
std::optional<quint64> FileAppend::digest()
{
    m_digest.start();
    for (size_t i = 0; i < m_values.size(); ++i) {
        if (std::holds_alternative<QString>(m_values[i]))
            m_digest.addText(i, m_texts[i].constData(), m_textSizes[i]);
        else
            m_digest.add(i, m_values[i]);
    }
    return m_digest.digest();
}

HRESULT FileAppend::insert()
{
    if (!m_statement)
        if (const HRESULT hr = m_db->prepare(m_sql, m_statement); FAILED(hr))
            return hr;
    bind();
    const int rc = sqlite3_step(m_statement.get());
    // The failure is read before the reset, which would answer for the reset instead.
    const HRESULT hr = rc == SQLITE_DONE ? S_OK : m_db->failure(rc);
    sqlite3_reset(m_statement.get());
    return hr;
}

} // namespace cedb
