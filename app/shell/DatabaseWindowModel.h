#pragma once
// Everything the database window shows, held without widgets: the pane, the lists and their
// selections, the count labels. The catalogue check fills the tables list through the sink interface;
// the commands change the rest. The window redraws itself from this state after each change.
#include "app/shell/Pane.h"
#include "data/DatabaseWindowSink.h"

#include <QList>
#include <QStringList>

#include <functional>

struct TableRow {
    QString name;
    QString recordCount;
    QString column3;
    QString tableId;
};

class DatabaseWindowModel : public DatabaseWindowSink {
public:
    // DatabaseWindowSink
    void clearTablesList() override;
    void clearSecondList() override;
    void addTableRow(int row, const QString& name, const QString& recordCount, const QString& column3,
                     const QString& tableId) override;
    int tableRowCount() const override;
    QString tableRowId(int row) const override;
    void setCountLabels(const QString& records, const QString& fields) override;
    void showListPanes() override;

    Pane pane() const { return m_pane; }
    void setPane(Pane pane);

    const QList<TableRow>& tables() const { return m_tables; }
    void removeTableRow(int row);
    void setRecordCount(int row, const QString& count);
    int selectedTable() const { return m_selectedTable; }
    void setSelectedTable(int row) { m_selectedTable = row; }

    const QList<QStringList>& fields() const { return m_fields; }
    void setFields(QList<QStringList> rows) { m_fields = std::move(rows); }

    // The list of the current pane other than tables: one row of texts per item.
    const QList<QStringList>& objects() const { return m_objects; }
    void setObjects(QList<QStringList> rows);
    int selectedObject() const { return m_selectedObject; }
    void setSelectedObject(int row) { m_selectedObject = row; }
    QString selectedObjectName() const;

    // The forms pane's detail list: name and type of each control of the selected form.
    const QList<QStringList>& formControls() const { return m_formControls; }
    void setFormControls(QList<QStringList> rows) { m_formControls = std::move(rows); }

    const QString& moduleSource() const { return m_moduleSource; }
    void setModuleSource(const QString& source) { m_moduleSource = source; }

    const QString& recordCountCaption() const { return m_recordCountCaption; }
    const QString& recordCountValue() const { return m_recordCount; }
    const QString& fieldCountValue() const { return m_fieldCount; }
    bool countLabelsVisible() const;

    // 0 when the table designer creates a table, 1 when it edits the selected one.
    int designerMode() const { return m_designerMode; }
    void setDesignerMode(int mode) { m_designerMode = mode; }

    bool beamEnabled() const { return m_beamEnabled; }
    void disableBeam() { m_beamEnabled = false; }

    // Called after every change so the window can redraw.
    void setChangeListener(std::function<void()> listener) { m_listener = std::move(listener); }
    void notify() const;

private:
    Pane m_pane = Pane::Tables;
    QList<TableRow> m_tables;
    int m_selectedTable = -1;
    QList<QStringList> m_fields;
    QList<QStringList> m_objects;
    int m_selectedObject = -1;
    QList<QStringList> m_formControls;
    QString m_moduleSource;
    QString m_recordCountCaption = QStringLiteral("Record Count:");
    QString m_recordCount;
    QString m_fieldCount;
    int m_designerMode = 0;
    bool m_beamEnabled = true;
    std::function<void()> m_listener;
};
