#include "platform/cedb/RecordsetObject.h"

#include "platform/cedb/Failures.h"
#include "platform/cedb/FieldObjects.h"
#include "platform/cedb/StatementShapes.h"
#include "platform/cedb/RowWrites.h"
#include "platform/cedb/SchemaChanges.h"

namespace cedb {

namespace {

constexpr HRESULT noCurrentRecord = MakeHResult(0x800A0BCD);
constexpr HRESULT deletedRow = MakeHResult(0x80040E23);
constexpr std::int32_t adPosBOF = -2;
constexpr std::int32_t adPosEOF = -3;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

std::shared_ptr<Recordset> Recordset::create()
{
    return std::make_shared<RecordsetObject>();
}

HRESULT RecordsetObject::putref_ActiveConnection(const std::shared_ptr<Connection>& connection)
{
    m_connection = connection;
    return S_OK;
}

HRESULT RecordsetObject::Open(const QString& source, const QString& activeConnection, int cursorType, int lockType,
                              int options)
{
    Close();
    std::optional<Statement> statement = parseStatement(source);
    if (statement && std::holds_alternative<CreateDatabase>(*statement))
        return Store::create(std::get<CreateDatabase>(*statement).path);
    if (activeConnection.isEmpty())
        return fail(DB_E_NOTFOUND, QStringLiteral("No database file named for %1").arg(source));
    std::shared_ptr<Store> db;
    HRESULT hr = Store::open(activeConnection, db);
    if (FAILED(hr))
        return hr;
    // A query's catalogue check, compilation and first records read the file as one.
    const bool reads = !statement || std::holds_alternative<Select>(*statement) ||
                       std::holds_alternative<OpenTable>(*statement);
    const ReadHold hold(reads ? db.get() : nullptr);
    // A table whose name is not a statement on its own ("Order Details") still opens by that name.
    if (!statement && db->catalogue().table(source.trimmed()))
        statement = OpenTable{source.trimmed()};
    if (!statement)
        return fail(DB_E_ERRORSINCOMMAND, QStringLiteral("Cannot read the statement: %1").arg(source));
    m_source = source;
    m_path = activeConnection;
    m_lockType = lockType;
    return std::visit(
        Overloaded{
            [&](const Select& select) {
                CompiledQuery query;
                hr = compileSelect(select, db->catalogue(), query);
                return FAILED(hr) ? hr : openQuery(db, query);
            },
            [&](const OpenTable& table) {
                CompiledQuery query;
                hr = compileTable(table.table, db->catalogue(), query);
                return FAILED(hr) ? hr : openQuery(db, query);
            },
            [&](const CreateDatabase&) { return S_OK; },
            [&](const CreateTable& create) { return createTable(*db, create); },
            [&](const CreateIndex& create) { return createIndex(*db, create); },
            [&](const DropIndex& drop) { return dropIndex(*db, drop); },
            [&](const DropTable& drop) { return dropTable(*db, drop); },
            [&](const AlterAdd& alter) { return addColumn(*db, alter); },
            [&](const AlterRename& alter) { return renameColumn(*db, alter); },
            [&](const AlterDrop& alter) { return dropColumn(*db, alter); },
            [&](const Insert& insert) { return insertRow(*db, insert); },
            [&](const cedb::Delete& remove) { return deleteRows(*db, remove); },
        },
        *statement);
}

HRESULT RecordsetObject::openQuery(const std::shared_ptr<Store>& store, const CompiledQuery& query)
{
    std::unique_ptr<Paging> paging = store->page(query);
    HRESULT hr = S_OK;
    paging->row(0, hr);
    if (FAILED(hr))
        return hr;
    m_paging = std::move(paging);
    m_position = 0;
    return S_OK;
}

HRESULT RecordsetObject::Close()
{
    m_paging.reset();
    m_edit.reset();
    m_currentDeleted = false;
    m_position = 0;
    return S_OK;
}

HRESULT RecordsetObject::noCursor() const
{
    return fail(E_FAIL, QStringLiteral("The recordset holds no records"));
}

bool RecordsetObject::editable() const
{
    return m_paging && m_paging->query().editableTable != 0 && m_lockType != adLockReadOnly;
}

const Row* RecordsetObject::current(HRESULT& failure)
{
    failure = S_OK;
    if (m_currentDeleted) {
        failure = fail(deletedRow, QStringLiteral("The current record was deleted"));
        return nullptr;
    }
    const Row* row = m_paging->row(m_position, failure);
    if (!row && SUCCEEDED(failure))
        failure = fail(noCurrentRecord, QStringLiteral("There is no current record"));
    return row;
}

HRESULT RecordsetObject::moveTo(qint64 position)
{
    const HRESULT hr = saveEdit();
    if (FAILED(hr))
        return hr;
    m_currentDeleted = false;
    m_position = std::max<qint64>(-1, position);
    return S_OK;
}

HRESULT RecordsetObject::MoveFirst()
{
    return m_paging ? moveTo(0) : noCursor();
}

HRESULT RecordsetObject::MoveNext()
{
    if (!m_paging)
        return noCursor();
    VARIANT_BOOL eof = VARIANT_FALSE;
    get_EOF(eof);
    if (eof == VARIANT_TRUE && !m_currentDeleted)
        return fail(noCurrentRecord, QStringLiteral("MoveNext past the end"));
    // After a delete the next record has taken the deleted one's place.
    return moveTo(m_currentDeleted ? m_position : m_position + 1);
}

HRESULT RecordsetObject::MovePrevious()
{
    if (!m_paging)
        return noCursor();
    if (m_position < 0)
        return fail(noCurrentRecord, QStringLiteral("MovePrevious before the start"));
    return moveTo(m_position - 1);
}

HRESULT RecordsetObject::MoveLast()
{
    if (!m_paging)
        return noCursor();
    qint64 count = 0;
    const HRESULT hr = m_paging->count(count);
    return FAILED(hr) ? hr : moveTo(std::max<qint64>(0, count - 1));
}

// Moving to just before the first or just after the last record is allowed (BOF / EOF); further is not.
HRESULT RecordsetObject::Move(std::int32_t records, int start)
{
    if (!m_paging)
        return noCursor();
    const qint64 target = start == adBookmarkFirst ? qint64(records) : m_position + records;
    qint64 count = 0;
    HRESULT hr = m_paging->count(count);
    if (FAILED(hr))
        return hr;
    if (target < -1 || target > count)
        return fail(noCurrentRecord, QStringLiteral("No record %1 in %2").arg(target).arg(count));
    return moveTo(target);
}

HRESULT RecordsetObject::get_BOF(VARIANT_BOOL& bof)
{
    if (!m_paging)
        return noCursor();
    HRESULT hr = S_OK;
    const bool empty = m_paging->empty(hr);
    bof = m_position < 0 || empty ? VARIANT_TRUE : VARIANT_FALSE;
    return hr;
}

HRESULT RecordsetObject::get_EOF(VARIANT_BOOL& eof)
{
    if (!m_paging)
        return noCursor();
    HRESULT hr = S_OK;
    const bool onRecord = m_position >= 0 && m_paging->row(m_position, hr);
    if (FAILED(hr))
        return hr;
    eof = !onRecord && (m_position >= 0 || m_paging->empty(hr)) ? VARIANT_TRUE : VARIANT_FALSE;
    return hr;
}

HRESULT RecordsetObject::get_RecordCount(std::int32_t& count)
{
    if (!m_paging)
        return noCursor();
    qint64 records = 0;
    const HRESULT hr = m_paging->count(records);
    count = std::int32_t(std::min<qint64>(records, INT32_MAX));
    return hr;
}

HRESULT RecordsetObject::get_AbsolutePosition(std::int32_t& position)
{
    VARIANT_BOOL bof = VARIANT_FALSE, eof = VARIANT_FALSE;
    HRESULT hr = get_BOF(bof);
    if (SUCCEEDED(hr))
        hr = get_EOF(eof);
    if (FAILED(hr))
        return hr;
    position = m_position < 0 ? adPosBOF : eof == VARIANT_TRUE ? adPosEOF : std::int32_t(m_position + 1);
    return S_OK;
}

HRESULT RecordsetObject::Requery()
{
    if (!m_paging)
        return noCursor();
    m_edit.reset();
    const CompiledQuery query = m_paging->query();
    const std::shared_ptr<Store> db = m_paging->store().shared_from_this();
    Close();
    // The schema may have changed since: compile the statement again.
    std::optional<Statement> statement = parseStatement(m_source);
    CompiledQuery again;
    HRESULT hr = S_OK;
    if (statement && std::holds_alternative<Select>(*statement))
        hr = compileSelect(std::get<Select>(*statement), db->catalogue(), again);
    else
        hr = compileTable(statement && std::holds_alternative<OpenTable>(*statement)
                              ? std::get<OpenTable>(*statement).table
                              : m_source.trimmed(),
                          db->catalogue(), again);
    return FAILED(hr) ? hr : openQuery(db, again);
}

HRESULT RecordsetObject::AddNew()
{
    if (!editable())
        return fail(E_FAIL, QStringLiteral("The recordset cannot be changed"));
    HRESULT hr = saveEdit();
    if (FAILED(hr))
        return hr;
    const size_t count = m_paging->query().columns.size();
    m_edit = Edit{true, Row{}, std::vector<Variant>(count, Variant::null()), std::vector<bool>(count)};
    return S_OK;
}

HRESULT RecordsetObject::saveEdit()
{
    return m_edit ? Update() : S_OK;
}

HRESULT RecordsetObject::Update()
{
    if (!m_edit)
        return S_OK;
    if (!m_paging)
        return noCursor();
    const CompiledQuery& query = m_paging->query();
    const Edit edit = std::move(*m_edit);
    // A refused edit is dropped: the caller has been told, and the recordset must stay movable.
    m_edit.reset();
    std::vector<QByteArray> columns;
    std::vector<StoredValue> values;
    columns.reserve(edit.changed.size());
    values.reserve(edit.changed.size());
    for (size_t i = 0; i < edit.changed.size(); ++i) {
        if (!edit.changed[i])
            continue;
        StoredValue stored;
        if (FAILED(toStored(edit.values[i], query.columns[i].type, LengthCheck::Enforce, stored)))
            return fail(DB_E_BADVALUES, QStringLiteral("The value %1 does not fit the field %2")
                                            .arg(edit.values[i].toString(), query.columns[i].name));
        columns.push_back(query.columns[i].storage);
        values.push_back(std::move(stored));
    }
    Store& db = m_paging->store();
    // A record is never written into a table another program redesigned under it.
    HRESULT hr = db.checkDesign(query);
    if (SUCCEEDED(hr))
        hr = m_paging->freezeKeys();
    if (FAILED(hr))
        return hr;
    qint64 rowid = edit.read.rowid;
    hr = edit.adding ? insertStored(db, query.editableStorage, columns, values, rowid)
                     : db.updateRow(query, edit.read, columns, values);
    if (FAILED(hr)) {
        // The record may have been changed by someone else: what is shown next is how it is now.
        if (!edit.adding)
            m_paging->changed(m_position);
        return hr;
    }
    m_currentDeleted = false;
    if (!edit.adding) {
        m_paging->changed(m_position);
        return S_OK;
    }
    // A new record comes last and is the current one.
    m_paging->added(rowid);
    qint64 count = 0;
    hr = m_paging->count(count);
    m_position = count - 1;
    return hr;
}

HRESULT RecordsetObject::Delete(int affect)
{
    if (!editable() || affect != adAffectCurrent)
        return fail(E_FAIL, QStringLiteral("The recordset cannot delete records"));
    if (m_edit && m_edit->adding)
        return fail(DB_E_NEWLYINSERTED, QStringLiteral("The new record is not in the table yet"));
    m_edit.reset();
    HRESULT hr = S_OK;
    const Row* row = current(hr);
    if (!row)
        return hr;
    const Row read = *row;
    hr = m_paging->store().checkDesign(m_paging->query());
    if (SUCCEEDED(hr))
        hr = m_paging->freezeKeys();
    if (SUCCEEDED(hr))
        hr = m_paging->store().deleteRow(m_paging->query(), read);
    if (FAILED(hr))
        return hr;
    m_paging->removed(m_position);
    m_currentDeleted = true;
    return S_OK;
}

HRESULT RecordsetObject::get_Fields(std::shared_ptr<Fields>& fields)
{
    fields = std::make_shared<FieldsObject>(shared_from_this());
    return S_OK;
}

HRESULT RecordsetObject::get_State(std::int32_t& state)
{
    state = m_paging ? adStateOpen : adStateClosed;
    return S_OK;
}

int RecordsetObject::fieldCount() const
{
    return m_paging ? int(m_paging->query().columns.size()) : 0;
}

const ResultColumn* RecordsetObject::column(int index) const
{
    if (index < 0 || index >= fieldCount())
        return nullptr;
    return &m_paging->query().columns[size_t(index)];
}

HRESULT RecordsetObject::value(int index, Variant& value)
{
    if (!column(index))
        return fail(DB_E_NOTFOUND, QStringLiteral("No field %1").arg(index));
    if (m_edit) {
        value = m_edit->values[size_t(index)];
        return S_OK;
    }
    HRESULT hr = S_OK;
    const Row* row = current(hr);
    if (row)
        value = row->values[size_t(index)];
    return hr;
}

HRESULT RecordsetObject::setValue(int index, const Variant& value)
{
    const ResultColumn* target = column(index);
    if (!target)
        return fail(DB_E_NOTFOUND, QStringLiteral("No field %1").arg(index));
    if (!editable())
        return fail(E_FAIL, QStringLiteral("The recordset cannot be changed"));
    if (!m_edit) {
        HRESULT hr = S_OK;
        const Row* row = current(hr);
        if (!row)
            return hr;
        m_edit = Edit{false, *row, row->values, std::vector<bool>(row->values.size())};
    }
    m_edit->values[size_t(index)] = value;
    m_edit->changed[size_t(index)] = true;
    return S_OK;
}

HRESULT RecordsetObject::get_RecordKey(qint64& key)
{
    key = 0;
    HRESULT hr = S_OK;
    const Row* row = current(hr);
    if (!row)
        return hr;
    key = row->rowid;
    return key ? S_OK : E_NOTIMPL;
}

} // namespace cedb
