#pragma once
// A short-lived cursor over one SQL statement of the engine: the only way the system runs SQL.
// Failures come back as returned values; only Update tells the user itself.
#include "data/CDbConnection.h"
#include "platform/automation/variant.h"
#include "platform/cedb/Engine.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <type_traits>

class CDbRecordset {
public:
    // Open's cursor and lock types: one read-only pass forward, or rows that can be changed.
    static constexpr int kForwardOnly = cedb::adOpenForwardOnly;
    static constexpr int kReadOnly = cedb::adLockReadOnly;
    static constexpr int kDynamic = cedb::adOpenDynamic;
    static constexpr int kOptimistic = cedb::adLockOptimistic;

    // The ordinary form: every Open names the database file at `path`.
    CDbRecordset(CDbConnection& connection, const QString& path);
    // Only for creating a database: statements run through the shared connection itself.
    explicit CDbRecordset(CDbConnection& connection);
    ~CDbRecordset();
    CDbRecordset(const CDbRecordset&) = delete;
    CDbRecordset& operator=(const CDbRecordset&) = delete;

    bool Open(const QString& sql, int cursorType, int lockType);
    // The connection and the database file the recordset was made for.
    CDbConnection& connection() const { return *m_connection; }
    QString path() const { return m_connectionString; }
    bool Close();
    bool IsOpen() const { return m_isOpen; }
    std::int32_t GetFieldCount() const { return m_fieldCount; }

    bool IsBOF();
    bool IsEOF();
    bool MoveFirst();
    bool MoveNext();
    bool MovePrevious();
    bool MoveLast();
    bool MoveTo(std::int32_t index);
    std::int32_t GetRecordCount();
    std::int32_t GetAbsolutePosition();
    // The current record's place in its table, as the history names it; 0 when it has none.
    qint64 GetRecordKey();
    bool Requery();
    bool AddNew();
    bool Update();
    // Update without telling the user: the caller tells, or tries again after another user's change.
    HRESULT TryUpdate();
    bool Delete();

    std::shared_ptr<cedb::Field> GetFieldObject(std::int32_t index);
    QString GetFieldName(std::int32_t index);
    int GetFieldType(std::int32_t index);
    int GetFieldType(const QString& name);
    Variant GetFieldValue(std::int32_t index);
    Variant GetFieldValue(const QString& name);
    QString GetFieldString(std::int32_t index);
    bool GetFieldString(const QString& name, QString& out);

    bool SetFieldLong(std::int32_t index, std::int32_t value);
    bool SetFieldShort(std::int32_t index, std::int16_t value);
    bool SetFieldBool(std::int32_t index, bool value);
    bool SetFieldDouble(std::int32_t index, double value);
    bool SetFieldFloat(std::int32_t index, float value);
    bool SetFieldString(std::int32_t index, const QString& value);
    bool SetFieldLong(const QString& name, std::int32_t value);
    bool SetFieldShort(const QString& name, std::int16_t value);
    bool SetFieldBool(const QString& name, bool value);
    bool SetFieldDouble(const QString& name, double value);
    bool SetFieldFloat(const QString& name, float value);
    bool SetFieldString(const QString& name, const QString& value);

private:
    // Index of the first field named `name` ignoring case, -1 when none.
    std::int32_t indexOf(const QString& name);
    // Writes `value` into the field at `index` when the field's engine type is `requiredType`.
    bool setTyped(std::int32_t index, int requiredType, const Variant& value);
    template <typename T>
    bool setByName(const QString& name, bool (CDbRecordset::*setter)(std::int32_t, T), std::type_identity_t<T> value)
    {
        const std::int32_t index = indexOf(name);
        return index >= 0 && (this->*setter)(index, value);
    }

    QString m_connectionString;
    std::shared_ptr<cedb::Recordset> m_recordset;
    bool m_isOpen = false;
    CDbConnection* m_connection = nullptr;
    std::shared_ptr<cedb::Fields> m_fields;
    std::int32_t m_fieldCount = 0;
};

// The text Update shows for an engine failure, trailing blanks included; empty for failures it keeps quiet.
QString updateFailureText(HRESULT code);
// The file-level failures every caller would otherwise report as its own: a file that cannot be written
// and a file another program holds. Empty for any other code.
QString fileFailureText(HRESULT code);
void tellFileFailure(HRESULT code);
// Tells why an Update failed, as Update itself does.
void tellUpdateFailure(HRESULT code);
// How many file-level failures (and refusals over another user's change) have been told so far: a caller compares the count before and after its
// work to learn whether the user already heard why it failed, and then adds no message of its own.
int fileFailuresTold();
