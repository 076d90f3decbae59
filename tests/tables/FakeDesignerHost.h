#pragma once
#include "tables/DesignerHost.h"

// The database window's part as a plain list of table names and ids with a selection and a mode.
class FakeDesignerHost : public DesignerHost {
public:
    int designerMode() const override { return mode; }
    void setDesignerMode(int value) override { mode = value; }
    QStringList tableNames() const override { return names; }
    QString selectedTableName() const override { return selected; }
    void addTable(const QString& name, const QString& tableId) override
    {
        names << name;
        ids << tableId;
    }
    void selectTable(const QString& name) override { selected = name; }

    int mode = 0;
    QStringList names;
    QStringList ids;
    QString selected;
};
