#include "app/shell/DatabaseWindowModel.h"

void DatabaseWindowModel::clearTablesList()
{
    m_tables.clear();
    m_selectedTable = -1;
}

void DatabaseWindowModel::clearSecondList() { m_fields.clear(); }

void DatabaseWindowModel::addTableRow(int row, const QString& name, const QString& recordCount,
                                      const QString& column3, const QString& tableId)
{
    m_tables.insert(qBound(0, row, int(m_tables.size())), TableRow{name, recordCount, column3, tableId});
}

int DatabaseWindowModel::tableRowCount() const { return int(m_tables.size()); }

QString DatabaseWindowModel::tableRowId(int row) const { return m_tables.value(row).tableId; }

void DatabaseWindowModel::setCountLabels(const QString& records, const QString& fields)
{
    m_recordCount = records;
    m_fieldCount = fields;
}

void DatabaseWindowModel::showListPanes() { setPane(Pane::Tables); }

void DatabaseWindowModel::setPane(Pane pane)
{
    m_pane = pane;
    m_objects.clear();
    m_selectedObject = -1;
    m_moduleSource.clear();
    m_formControls.clear();
    if (pane == Pane::Tables)
        m_recordCountCaption = QStringLiteral("Record Count");
    else if (pane == Pane::Modules)
        m_recordCountCaption = QStringLiteral("Source");
}

void DatabaseWindowModel::removeTableRow(int row)
{
    if (row < 0 || row >= m_tables.size())
        return;
    m_tables.removeAt(row);
    m_selectedTable = -1;
}

void DatabaseWindowModel::setRecordCount(int row, const QString& count)
{
    if (row >= 0 && row < m_tables.size())
        m_tables[row].recordCount = count;
}

void DatabaseWindowModel::setObjects(QList<QStringList> rows)
{
    m_objects = std::move(rows);
    m_selectedObject = -1;
}

QString DatabaseWindowModel::selectedObjectName() const { return m_objects.value(m_selectedObject).value(0); }

bool DatabaseWindowModel::countLabelsVisible() const { return m_pane == Pane::Tables || m_pane == Pane::Queries; }

void DatabaseWindowModel::notify() const
{
    if (m_listener)
        m_listener();
}
