#pragma once
// A database with tables made through the field catalogue, stored forms written as the designer
// writes them, and a form session over them whose view only records what it is told.
#include "tables/DatasheetFixture.h"

#include "data/SqlText.h"
#include "forms/format/CtrlProps.h"
#include "forms/format/DatabaseFormStore.h"
#include "forms/runtime/FormListener.h"
#include "forms/runtime/FormSession.h"
#include "platform/framework/Prompts.h"

#include <QMap>

class RecordingView : public FormListener {
public:
    void controlsCreated() override { ++rebuilds; }
    void focusControl(int control, bool selectAll) override
    {
        if (selectAll)
            selected << control;
    }
    void formClosed() override { closed = true; }

    int rebuilds = 0;
    QList<int> selected;
    bool closed = false;
};

class FormFixture : public DatasheetFixture {
protected:
    FormFixture() { form.setListener(&view); }
    ~FormFixture() override { framework::setPromptResponder(nullptr); }

    static PropertySet control(int kind, const QString& name, const QString& source = {},
                               const QMap<QString, QString>& set = {})
    {
        PropertySet properties = BuildPropertySet(kind);
        SetProperty(properties, QStringLiteral("Name"), name);
        SetProperty(properties, QStringLiteral("Control Source"), source);
        for (auto it = set.begin(); it != set.end(); ++it)
            EXPECT_TRUE(SetProperty(properties, it.key(), it.value())) << it.key().toStdString();
        return properties;
    }
    void storeForm(const QString& name, const QString& source, const QList<PropertySet>& controls,
                   const QMap<QString, QString>& formSet = {})
    {
        PropertySet properties = BuildPropertySet(ControlKind::FormProps);
        SetProperty(properties, QStringLiteral("SQL Source"), source);
        for (auto it = formSet.begin(); it != formSet.end(); ++it)
            SetProperty(properties, it.key(), it.value());
        DatabaseFormStore store(context);
        ASSERT_TRUE(store.addForm({name, source, *SerialiseForm(properties, controls)}));
    }
    bool openForm(const QString& name)
    {
        const bool opened = form.openForm(name);
        messages.clear();
        return opened;
    }
    // Sets a catalogue column of a field, as the table designer would have stored it.
    void setFieldProperty(const QString& fieldName, const QString& column, const QString& value)
    {
        CDbRecordset row(context.connection, context.databasePath());
        ASSERT_TRUE(row.Open("SELECT * FROM XNSysFields WHERE FieldName = " + sqlQuoted(fieldName), 2, 3));
        const bool flag = value == "true" || value == "false";
        ASSERT_TRUE(flag ? row.SetFieldBool(column, value == "true") : row.SetFieldString(column, value));
        ASSERT_TRUE(row.Update());
    }
    // Suppliers 1 "Acme" and 2 "Zoë & Co", and Products whose SupplierID looks their names up, holding
    // one product of the second.
    void createProductsWithSupplierLookup()
    {
        using namespace fieldtypes;
        createTable("Suppliers", {field("SupplierID", kAutoNumber), field("Name", kText)});
        ASSERT_TRUE(run("INSERT INTO Suppliers (SupplierID, Name) VALUES (1, 'Acme')"));
        ASSERT_TRUE(run("INSERT INTO Suppliers (SupplierID, Name) VALUES (2, 'Zoë & Co')"));
        createTable("Products", {field("Name", kText), field("SupplierID", kInteger)});
        ASSERT_TRUE(FieldCatalogue(context, "Products").SaveLookup("SupplierID", 0, "Tables;Suppliers;SupplierID;Name;No"));
        ASSERT_TRUE(run("INSERT INTO Products (Name, SupplierID) VALUES ('Pen', 2)"));
    }
    int index(const QString& name) const { return form.controlIndex(name); }
    QString text(const QString& name) const { return form.controls().value(index(name)).text; }
    bool type(const QString& name, const QString& text) { return form.typeText(index(name), text); }
    // Answers every prompt with `text`.
    void answerPrompts(const QString& text)
    {
        framework::setPromptResponder([text](const framework::PromptRequest& request) {
            return std::optional<QString>(text);
        });
    }

    RecordingView view;
    FormSession form{context};
};

// Customers with a field of every kind a form binds, three records, and the stored form "Shop" over
// them: one text box per field, a check box, an unbound text box and a caption label.
class ShopFormFixture : public FormFixture {
protected:
    void SetUp() override
    {
        using namespace fieldtypes;
        tableId = createTable("Customers",
                              {field("ID", kAutoNumber), field("Name", kText, {{"Unique", "Yes"}}),
                               field("City", kText, {{"AllowZeroLength", "Yes"}}),
                               field("Age", kInteger, {{"Validation Rule", ">0"}}),
                               field("Price", kDouble, {{"Default Value", "2*3"}}), field("Active", kBoolean)});
        ASSERT_TRUE(run("INSERT INTO Customers (ID, Name, City, Age, Price, Active) VALUES (1, 'Ann', 'Oslo', 30, 1.5, true)"));
        ASSERT_TRUE(run("INSERT INTO Customers (ID, Name, City, Age, Price, Active) VALUES (2, 'Bob', 'Rome', 40, 2.5, false)"));
        ASSERT_TRUE(run("INSERT INTO Customers (ID, Name, City, Age, Price, Active) VALUES (3, 'Cy', 'Lima', 50, 3.5, true)"));
        ASSERT_TRUE(storeAutoNumber(context, tableId, "ID", 4));
        storeForm("Shop", "Customers",
                  {control(ControlKind::Label, "Title", {}, {{"Caption", "Customers"}}),
                   control(ControlKind::TextBox, "ID", "Customers.ID"),
                   control(ControlKind::TextBox, "Name", "Customers.Name"),
                   control(ControlKind::TextBox, "City", "Customers.City"),
                   control(ControlKind::TextBox, "Age", "Customers.Age"),
                   control(ControlKind::TextBox, "Price", "Customers.Price"),
                   control(ControlKind::CheckBox, "Active", "Customers.Active"),
                   control(ControlKind::TextBox, "Note")});
    }
    QList<QStringList> customers() { return select("SELECT ID, Name, City, Age, Price, Active FROM Customers"); }

    QString tableId;
};
