#pragma once
// The database window as the table designer sees it: its tables list, its selection and the
// designer mode it keeps.
#include "app/shell/DatabaseWindowModel.h"
#include "tables/DesignerHost.h"

class WindowDesignerHost : public DesignerHost {
public:
    explicit WindowDesignerHost(DatabaseWindowModel& model) : m_model(model) {}

    int designerMode() const override { return m_model.designerMode(); }
    void setDesignerMode(int mode) override { m_model.setDesignerMode(mode); }
    QStringList tableNames() const override;
    QString selectedTableName() const override;
    // A new table has no records yet.
    void addTable(const QString& name, const QString& tableId) override;
    void selectTable(const QString& name) override;

private:
    DatabaseWindowModel& m_model;
};
