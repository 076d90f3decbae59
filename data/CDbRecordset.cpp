#include "data/CDbRecordset.h"

#include "platform/cedb/ServerAddress.h"
#include "platform/framework/MessageBox.h"

CDbRecordset::CDbRecordset(CDbConnection& connection, const QString& path)
    : m_connectionString(path), m_recordset(cedb::Recordset::create()), m_connection(&connection)
{
}

CDbRecordset::CDbRecordset(CDbConnection& connection)
    : m_recordset(cedb::Recordset::create()), m_connection(&connection)
{
    if (m_recordset)
        m_recordset->putref_ActiveConnection(connection.engine());
}

CDbRecordset::~CDbRecordset()
{
    Close();
}

bool CDbRecordset::Open(const QString& sql, int cursorType, int lockType)
{
    if (!m_recordset)
        return false;
    Close();
    m_fields.reset();
    m_fieldCount = 0;
    const HRESULT hr = m_recordset->Open(sql, m_connectionString, cursorType, lockType, cedb::adCmdUnknown);
    m_isOpen = SUCCEEDED(hr);
    if (!m_isOpen)
        tellFileFailure(hr);
    // A statement that returns no records has no fields: most of a bulk load's statements make none.
    std::int32_t state = cedb::adStateClosed;
    if (m_isOpen && SUCCEEDED(m_recordset->get_State(state)) && state == cedb::adStateOpen &&
        SUCCEEDED(m_recordset->get_Fields(m_fields)) && m_fields) {
        if (FAILED(m_fields->get_Count(m_fieldCount)))
            m_fieldCount = 0;
    }
    return m_isOpen;
}

bool CDbRecordset::Close()
{
    if (!m_recordset)
        return false;
    if (m_isOpen)
        m_recordset->Close();
    m_isOpen = false;
    return true;
}

// A failed query counts as the end, so that read loops always stop.
bool CDbRecordset::IsBOF()
{
    VARIANT_BOOL bof = VARIANT_TRUE;
    return !m_recordset || FAILED(m_recordset->get_BOF(bof)) || bof == VARIANT_TRUE;
}

bool CDbRecordset::IsEOF()
{
    VARIANT_BOOL eof = VARIANT_TRUE;
    return !m_recordset || FAILED(m_recordset->get_EOF(eof)) || eof == VARIANT_TRUE;
}

bool CDbRecordset::MoveFirst() { return m_recordset && SUCCEEDED(m_recordset->MoveFirst()); }
bool CDbRecordset::MoveNext() { return m_recordset && SUCCEEDED(m_recordset->MoveNext()); }
bool CDbRecordset::MovePrevious() { return m_recordset && SUCCEEDED(m_recordset->MovePrevious()); }
bool CDbRecordset::MoveLast() { return m_recordset && SUCCEEDED(m_recordset->MoveLast()); }

bool CDbRecordset::MoveTo(std::int32_t index)
{
    return m_recordset && SUCCEEDED(m_recordset->Move(index, cedb::adBookmarkFirst));
}

std::int32_t CDbRecordset::GetRecordCount()
{
    std::int32_t count = 0;
    if (!m_recordset || FAILED(m_recordset->get_RecordCount(count)))
        return 0;
    return count;
}

qint64 CDbRecordset::GetRecordKey()
{
    qint64 key = 0;
    if (!m_recordset || FAILED(m_recordset->get_RecordKey(key)))
        return 0;
    return key;
}

std::int32_t CDbRecordset::GetAbsolutePosition()
{
    std::int32_t position = -1;
    if (!m_recordset || FAILED(m_recordset->get_AbsolutePosition(position)))
        return -1;
    return position;
}

bool CDbRecordset::Requery() { return m_recordset && SUCCEEDED(m_recordset->Requery()); }
bool CDbRecordset::AddNew() { return m_recordset && SUCCEEDED(m_recordset->AddNew()); }
bool CDbRecordset::Delete()
{
    if (!m_recordset)
        return false;
    const HRESULT hr = m_recordset->Delete(cedb::adAffectCurrent);
    tellFileFailure(hr);
    return SUCCEEDED(hr);
}

HRESULT CDbRecordset::TryUpdate()
{
    return m_recordset ? m_recordset->Update() : E_FAIL;
}

bool CDbRecordset::Update()
{
    if (!m_recordset)
        return false;
    const HRESULT hr = TryUpdate();
    if (SUCCEEDED(hr))
        return true;
    tellUpdateFailure(hr);
    return false;
}

void tellUpdateFailure(HRESULT code)
{
    if (!fileFailureText(code).isEmpty() || code == cedb::DB_E_CONCURRENCYVIOLATION)
        tellFileFailure(code);
    else if (const QString text = updateFailureText(code); !text.isEmpty())
        framework::showMessage(text);
}

QString updateFailureText(HRESULT code)
{
    switch (code) {
    case cedb::DB_E_BADVALUES: return QStringLiteral("DB_E_BADVALUES ");
    case cedb::DB_E_ERRORSINCOMMAND: return QStringLiteral("DB_E_ERRORSINCOMMAND");
    case cedb::DB_E_DUPLICATEDATASOURCE: return QStringLiteral("DB_E_DUPLICATEDATASOURCE ");
    case cedb::DB_E_NOTFOUND: return QStringLiteral("DB_E_NOTFOUND ");
    case cedb::DB_E_NEWLYINSERTED: return QStringLiteral("DB_E_NEWLYINSERTED ");
    case E_OUTOFMEMORY: return QStringLiteral("E_OUTOFMEMORY ");
    default: return fileFailureText(code);
    }
}

QString fileFailureText(HRESULT code)
{
    switch (code) {
    case cedb::DB_SEC_E_PERMISSIONDENIED:
        return QStringLiteral("The database file is read-only or its disk is full: the change was not saved.");
    case cedb::DB_E_RESOURCELOCKED:
        return QStringLiteral("Another program is writing to the database: the change was not saved. Try again in a moment.");
    // The engine's words name the server, or the table.
    case cedb::DB_E_CONNECTIONLOST:
    case cedb::DB_E_DESIGNCHANGED:
        return cedb::lastError().description;
    default: return QString();
    }
}

namespace {
// Only the window thread reaches the engine.
int g_fileFailuresTold = 0;
} // namespace

void tellFileFailure(HRESULT code)
{
    // Another user's change that refused this one is told in the engine's words, which name the fields
    // with both values; that is all the user needs to hear of it.
    if (code == cedb::DB_E_CONCURRENCYVIOLATION) {
        ++g_fileFailuresTold;
        framework::showMessage(cedb::lastError().description);
        return;
    }
    if (const QString text = fileFailureText(code); !text.isEmpty()) {
        ++g_fileFailuresTold;
        framework::showMessage(text);
    }
}

int fileFailuresTold() { return g_fileFailuresTold; }

std::shared_ptr<cedb::Field> CDbRecordset::GetFieldObject(std::int32_t index)
{
    std::shared_ptr<cedb::Field> field;
    if (!m_recordset || !m_fields || FAILED(m_fields->get_Item(Variant(index), field)))
        return nullptr;
    return field;
}

QString CDbRecordset::GetFieldName(std::int32_t index)
{
    QString name;
    const std::shared_ptr<cedb::Field> field = GetFieldObject(index);
    if (!field || FAILED(field->get_Name(name)))
        return QString();
    return name;
}

namespace {
int typeOf(const std::shared_ptr<cedb::Field>& field)
{
    int type = -1;
    if (!field || FAILED(field->get_Type(type)))
        return -1;
    return type;
}
} // namespace

int CDbRecordset::GetFieldType(std::int32_t index)
{
    return typeOf(GetFieldObject(index));
}

Variant CDbRecordset::GetFieldValue(std::int32_t index)
{
    Variant value;
    const std::shared_ptr<cedb::Field> field = GetFieldObject(index);
    if (!field || FAILED(field->get_Value(value)))
        return Variant(std::int32_t(0));
    return value;
}

Variant CDbRecordset::GetFieldValue(const QString& name)
{
    const std::int32_t index = indexOf(name);
    return index < 0 ? Variant() : GetFieldValue(index);
}

namespace {
QString textOf(const Variant& value)
{
    if (value.isNull())
        return QString();
    if (value.vt() == VT_BSTR)
        return value.string();
    return value.toString();
}
} // namespace

QString CDbRecordset::GetFieldString(std::int32_t index)
{
    return textOf(GetFieldValue(index));
}

bool CDbRecordset::GetFieldString(const QString& name, QString& out)
{
    const std::int32_t index = indexOf(name);
    if (index < 0)
        return false;
    out = GetFieldString(index);
    return true;
}

std::int32_t CDbRecordset::indexOf(const QString& name)
{
    for (std::int32_t index = 0; index < m_fieldCount; ++index) {
        QString fieldName;
        const std::shared_ptr<cedb::Field> field = GetFieldObject(index);
        if (field && SUCCEEDED(field->get_Name(fieldName)) && fieldName.compare(name, Qt::CaseInsensitive) == 0)
            return index;
    }
    return -1;
}

int CDbRecordset::GetFieldType(const QString& name)
{
    const std::int32_t index = indexOf(name);
    return index < 0 ? -1 : GetFieldType(index);
}

bool CDbRecordset::setTyped(std::int32_t index, int requiredType, const Variant& value)
{
    const std::shared_ptr<cedb::Field> field = GetFieldObject(index);
    if (typeOf(field) != requiredType)
        return false;
    return SUCCEEDED(field->put_Value(value));
}

bool CDbRecordset::SetFieldLong(std::int32_t index, std::int32_t value)
{
    return setTyped(index, cedb::adInteger, Variant(value));
}

bool CDbRecordset::SetFieldShort(std::int32_t index, std::int16_t value)
{
    return setTyped(index, cedb::adSmallInt, Variant(value));
}

bool CDbRecordset::SetFieldBool(std::int32_t index, bool value)
{
    return setTyped(index, cedb::adBoolean, Variant(value));
}

bool CDbRecordset::SetFieldDouble(std::int32_t index, double value)
{
    return setTyped(index, cedb::adDouble, Variant(value));
}

bool CDbRecordset::SetFieldFloat(std::int32_t index, float value)
{
    return setTyped(index, cedb::adDouble, Variant(value));
}

bool CDbRecordset::SetFieldString(std::int32_t index, const QString& value)
{
    if (index < 0 || index >= m_fieldCount)
        return false;
    const std::shared_ptr<cedb::Field> field = GetFieldObject(index);
    if (!field)
        return false;
    // An integer field takes empty text as 0 rather than refusing it.
    const bool integer = typeOf(field) == cedb::adInteger;
    const Variant written = integer && value.isEmpty() ? Variant(std::int32_t(0)) : Variant(value);
    return SUCCEEDED(field->put_Value(written));
}

bool CDbRecordset::SetFieldLong(const QString& name, std::int32_t value)
{
    return setByName(name, &CDbRecordset::SetFieldLong, value);
}

bool CDbRecordset::SetFieldShort(const QString& name, std::int16_t value)
{
    return setByName(name, &CDbRecordset::SetFieldShort, value);
}

bool CDbRecordset::SetFieldBool(const QString& name, bool value)
{
    return setByName(name, &CDbRecordset::SetFieldBool, value);
}

bool CDbRecordset::SetFieldDouble(const QString& name, double value)
{
    return setByName(name, &CDbRecordset::SetFieldDouble, value);
}

bool CDbRecordset::SetFieldFloat(const QString& name, float value)
{
    return setByName(name, &CDbRecordset::SetFieldFloat, value);
}

bool CDbRecordset::SetFieldString(const QString& name, const QString& value)
{
    return setByName(name, &CDbRecordset::SetFieldString, value);
}
