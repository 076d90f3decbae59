#pragma once
// A database window without a window, for varnel-cli and the tests: it keeps what the catalogue check
// and the lifecycle put into the window.
#include "data/DatabaseWindowSink.h"

#include <QList>
#include <QStringList>

class HeadlessDatabaseWindow : public DatabaseWindowSink {
public:
    struct TableRow {
        QString name;
        QString recordCount;
        QString column3;
        QString tableId;
        bool operator==(const TableRow&) const = default;
    };

    void clearTablesList() override { m_rows.clear(); }
    void clearSecondList() override { ++m_secondListClears; }
    void addTableRow(int row, const QString& name, const QString& recordCount, const QString& column3,
                     const QString& tableId) override
    {
        m_rows.insert(qBound(0, row, int(m_rows.size())), {name, recordCount, column3, tableId});
    }
    int tableRowCount() const override { return int(m_rows.size()); }
    QString tableRowId(int row) const override { return m_rows[row].tableId; }
    void setCountLabels(const QString& records, const QString& fields) override { m_countLabels = {records, fields}; }
    void showListPanes() override { m_listPanesShown = true; }

    const QList<TableRow>& rows() const { return m_rows; }
    int secondListClears() const { return m_secondListClears; }
    // The record and field count labels, empty until set.
    const QStringList& countLabels() const { return m_countLabels; }
    bool listPanesShown() const { return m_listPanesShown; }

private:
    QList<TableRow> m_rows;
    int m_secondListClears = 0;
    QStringList m_countLabels;
    bool m_listPanesShown = false;
};
