#pragma once
// The database engine's objects as the data-access layer sees them: a connection and recordsets over
// .cdb files, reached by SQL text in the engine's own dialect. Names follow the engine's object model;
// every call answers with a result code, never an exception.
#include "platform/automation/variant.h"

#include <QString>

#include <memory>

namespace cedb {

constexpr HRESULT DB_E_BADVALUES = MakeHResult(0x80040E13);
constexpr HRESULT DB_E_ERRORSINCOMMAND = MakeHResult(0x80040E14);
constexpr HRESULT DB_E_DUPLICATEDATASOURCE = MakeHResult(0x80040E17);
constexpr HRESULT DB_E_NOTFOUND = MakeHResult(0x80040E19);
constexpr HRESULT DB_E_NEWLYINSERTED = MakeHResult(0x80040E1B);
// The file cannot be written: it is marked read-only, or its folder or disk refuses writes.
constexpr HRESULT DB_SEC_E_PERMISSIONDENIED = MakeHResult(0x80040E09);
// Another program holds the file for a write of its own and kept it past the engine's wait.
constexpr HRESULT DB_E_RESOURCELOCKED = MakeHResult(0x80040E92);
// E_OUTOFMEMORY (0x8007000E) is the sixth failure callers name.

// "DB_E_BADVALUES", ... for the six named failures; empty for any other code.
QString failureName(HRESULT code);

// The last failure of an engine call on this thread, with a description for people (the platform's
// error object). Tools print it; the data-access layer does not need it.
struct ErrorInfo {
    HRESULT code = S_OK;
    QString description;
};
ErrorInfo lastError();

// Why a file cannot serve as a database, found out before anything relies on it.
enum class FileProblem { None, Unreadable, NotADatabase, Truncated, Damaged };
struct FileCheck {
    FileProblem problem = FileProblem::None;
    QString detail; // what was found, for people; empty where the problem says it all
};
// Opens the file at `path` (device or host path) as a database would be; None when that works.
FileCheck checkFile(const QString& path);

constexpr int adOpenForwardOnly = 0;
constexpr int adOpenDynamic = 2;
constexpr int adLockReadOnly = 1;
constexpr int adLockOptimistic = 3;
constexpr int adCmdUnknown = 8;
constexpr int adAffectCurrent = 1;
constexpr int adBookmarkFirst = 1;
constexpr int adStateClosed = 0;
constexpr int adStateOpen = 1;

// Engine type codes of Field::get_Type.
constexpr int adSmallInt = 2;
constexpr int adInteger = 3;
constexpr int adDouble = 5;
constexpr int adDate = 7;
constexpr int adBoolean = 11;
constexpr int adVarWChar = 202;
constexpr int adLongVarWChar = 203;
constexpr int adLongVarBinary = 205;

class Connection {
public:
    static std::shared_ptr<Connection> create();
    virtual ~Connection() = default;

    virtual HRESULT put_Provider(const QString& provider) = 0;
    virtual HRESULT Open(const QString& connectionString, const QString& user, const QString& password,
                         int options) = 0;
    virtual HRESULT Close() = 0;
    // Groups the writes to the database file at `path` into one transaction (bulk import).
    virtual HRESULT BeginTrans(const QString& path) = 0;
    virtual HRESULT CommitTrans(const QString& path) = 0;
    virtual HRESULT RollbackTrans(const QString& path) = 0;
    // The writes to `path` until EndCommand form one step of the file's history, named `name` ("Replace
    // All in Products"). Engines that keep no history accept the marks and do nothing with them.
    virtual HRESULT BeginCommand(const QString& path, const QString& name) { return S_OK; }
    virtual HRESULT EndCommand(const QString& path) { return S_OK; }
};

class Field {
public:
    virtual ~Field() = default;
    virtual HRESULT get_Name(QString& name) = 0;
    virtual HRESULT get_Type(int& type) = 0;
    virtual HRESULT get_Value(Variant& value) = 0;
    virtual HRESULT put_Value(const Variant& value) = 0;
};

class Fields {
public:
    virtual ~Fields() = default;
    virtual HRESULT get_Count(std::int32_t& count) = 0;
    virtual HRESULT get_Item(const Variant& index, std::shared_ptr<Field>& field) = 0;
};

class Recordset {
public:
    static std::shared_ptr<Recordset> create();
    virtual ~Recordset() = default;

    // Used only to create a database: the statement runs through this connection.
    virtual HRESULT putref_ActiveConnection(const std::shared_ptr<Connection>& connection) = 0;
    // `activeConnection` is the database file's path; empty means the connection set above.
    virtual HRESULT Open(const QString& source, const QString& activeConnection, int cursorType, int lockType,
                         int options) = 0;
    virtual HRESULT Close() = 0;
    virtual HRESULT MoveFirst() = 0;
    virtual HRESULT MoveNext() = 0;
    virtual HRESULT MovePrevious() = 0;
    virtual HRESULT MoveLast() = 0;
    virtual HRESULT Move(std::int32_t records, int start) = 0;
    virtual HRESULT get_BOF(VARIANT_BOOL& bof) = 0;
    virtual HRESULT get_EOF(VARIANT_BOOL& eof) = 0;
    virtual HRESULT get_RecordCount(std::int32_t& count) = 0;
    virtual HRESULT get_AbsolutePosition(std::int32_t& position) = 0;
    virtual HRESULT Requery() = 0;
    virtual HRESULT AddNew() = 0;
    virtual HRESULT Update() = 0;
    virtual HRESULT Delete(int affect) = 0;
    virtual HRESULT get_Fields(std::shared_ptr<Fields>& fields) = 0;
    // adStateOpen while the recordset holds records to move over; adStateClosed after a statement that
    // returns none (an INSERT, a CREATE TABLE), whose fields there is no need to ask for.
    virtual HRESULT get_State(std::int32_t& state) = 0;
    // Where the current record lives in its table, as the history names it; engines without one say so.
    virtual HRESULT get_RecordKey(qint64& key)
    {
        key = 0;
        return E_NOTIMPL;
    }
};

} // namespace cedb
