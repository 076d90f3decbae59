#pragma once
// Several writes to the open database as one: either all of them reach the file or none does.
#include <QString>

class CAppContext;
class CDbConnection;
class CDbRecordset;

class CDbTransaction {
public:
    // Begins the transaction on the context's connection; isOpen() tells whether that worked.
    explicit CDbTransaction(CAppContext& context);
    // Begins the transaction on the database the recordset reads.
    explicit CDbTransaction(CDbRecordset& records);
    // Undoes the writes when the transaction was neither committed nor rolled back.
    ~CDbTransaction();
    CDbTransaction(const CDbTransaction&) = delete;
    CDbTransaction& operator=(const CDbTransaction&) = delete;

    bool isOpen() const { return m_open; }
    bool commit();
    void rollback();

private:
    CDbTransaction(CDbConnection& connection, const QString& path);

    CDbConnection& m_connection;
    QString m_path;
    bool m_open = false;
};
