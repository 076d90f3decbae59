#pragma once
// One command of the user (a cell edited, Replace All, an import): every write to the open database
// while it lives is one step of the history, which Undo takes back whole.
#include <QString>

class CAppContext;
class CDbConnection;
class CDbRecordset;

class CDbCommand {
public:
    CDbCommand(CAppContext& context, const QString& name);
    // The command on the database the recordset reads.
    CDbCommand(CDbRecordset& records, const QString& name);
    ~CDbCommand();
    CDbCommand(const CDbCommand&) = delete;
    CDbCommand& operator=(const CDbCommand&) = delete;

private:
    CDbCommand(CDbConnection& connection, const QString& path, const QString& name);

    CDbConnection& m_connection;
    QString m_path;
    bool m_open = false;
};
