#include "app/shell/WindowDesignerHost.h"

QStringList WindowDesignerHost::tableNames() const
{
    QStringList names;
    for (const TableRow& row : m_model.tables())
        names << row.name;
    return names;
}

QString WindowDesignerHost::selectedTableName() const { return m_model.tables().value(m_model.selectedTable()).name; }

void WindowDesignerHost::addTable(const QString& name, const QString& tableId)
{
    m_model.addTableRow(m_model.tableRowCount(), name, QStringLiteral("0"), QStringLiteral("0"), tableId);
    m_model.notify();
}

void WindowDesignerHost::selectTable(const QString& name)
{
    const int row = int(tableNames().indexOf(name));
    if (row >= 0)
        m_model.setSelectedTable(row);
}
