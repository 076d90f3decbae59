#pragma once
// The table designer without its window: the 20 field rows with their definitions and pending
// changes, the property rows of the selected field, and what Save, Move, Delete and Close do.
#include "data/CAppContext.h"
#include "tables/DesignerHost.h"
#include "tables/FieldCatalogue.h"
#include "tables/LookupEditor.h"

#include <QList>
#include <QString>

#include <array>
#include <memory>

enum class FieldRowState { None = -1, PropertiesChanged = 1, NameChanged = 2, Added = 3, TypeChanged = 4 };

// How the value cell of a property row is edited.
struct PropertyCell {
    QStringList choices;
    bool digitsOnly = false;
    bool builder = false;
    bool builderEnabled = false;
};

class TableDesigner {
public:
    static constexpr int kRows = 20;

    TableDesigner(CAppContext& context, DesignerHost& host, ExpressionBuilder builder);
    // The input-mask dialog on a field's Input Mask property text; the chosen text, nullopt when
    // cancelled. Without one the Input Mask row's "..." stays disabled.
    using MaskBuilder = std::function<std::optional<QString>(const QString& property)>;
    void setMaskBuilder(MaskBuilder builder) { m_maskBuilder = std::move(builder); }

    // Loads the selected table in edit mode; empty rows in new mode.
    void open();
    bool isEditing() const { return m_host.designerMode() == 1; }

    QString tableName() const { return m_tableName; }
    void setTableName(const QString& name) { m_tableName = name; }

    // The grid's cells: name, type and the hidden datasheet width of each row.
    QString rowName(int row) const { return m_rows[row].name; }
    QString rowType(int row) const { return m_rows[row].type; }
    QString rowWidth(int row) const { return m_rows[row].width; }
    FieldRowState rowState(int row) const;
    bool rowIsEmpty(int row) const { return m_rows[row].definition < 0; }

    // Edits of the field grid; false when the edit was refused and the cell is to show the old text.
    bool editName(int row, const QString& name);
    bool editType(int row, const QString& type);

    int selectedRow() const { return m_selected; }
    void selectRow(int row) { m_selected = row; }

    // The property rows of the selected field; empty when the row has none.
    QList<PropertyRow> properties() const;
    PropertyCell propertyCell(int index) const;
    // Keeps the property row's value; false when the row refuses it (a Default Value or Validation Rule
    // the field's type cannot use), after its message.
    bool editProperty(int index, const QString& value);
    // The "..." of a property row; true when the value changed.
    bool runPropertyBuilder(int index);

    // The selected field's lookup; the lookup tab refuses without a saved table or a selected field.
    bool openLookup();
    LookupEditor* lookup() { return m_lookup.get(); }
    // The calculation tab: the builder on the field's calculation, then the question whether to store it.
    void openCalculation();
    // The selected field's calculation text.
    QString calculation() const;

    void moveUp();
    void moveDown();
    void deleteField();
    // False, after its message, when something could not be stored: it stays pending in the grids.
    bool save();
    // Something was edited since the table was opened or last saved.
    bool hasUnsavedChanges() const;
    // Asks whether to save when something is unsaved; true when the window may close, which a Yes whose
    // save fails does not let it.
    bool close();

private:
    struct Row {
        QString name;
        QString type;
        QString width;
        int definition = -1;
    };
    struct Field {
        FieldDefinition definition;
        LookupSpec lookup;
        QString calculation;
        QString storedName; // the name the catalogue knows, empty before the field is saved
        FieldRowState state = FieldRowState::None;
    };

    Field* fieldAt(int row);
    const Field* fieldAt(int row) const;
    // False, with its message, for a name the stored formats cannot keep.
    static bool isStorableName(const QString& name);
    bool nameUsedElsewhere(int row, const QString& name) const;
    void move(int row, int offset, const QString& refusal);
    // The builder on the selected field's text; nullopt without a builder or a selected field.
    std::optional<QString> runBuilder(const QString& text, int mode) const;
    bool saveNewTable();
    bool saveExistingTable();
    bool saveRow(Field& field, const QString& designerType);
    // True when the lookup tab holds nothing to store or it was stored.
    bool saveLookup();
    // Stores the field names and widths in the table's layout row; says so when it cannot.
    void writeTableLayout();
    bool storeLayout(const QString& names, const QString& widths);
    void loadTable();
    FieldCatalogue catalogue() const;
    // The open lookup grid's rows and value-list items, to tell whether they changed.
    QStringList lookupContents() const;

    CAppContext& m_context;
    DesignerHost& m_host;
    ExpressionBuilder m_builder;
    MaskBuilder m_maskBuilder;
    QString m_tableName;
    std::array<Row, kRows> m_rows;
    QList<Field> m_fields;
    int m_selected = -1;
    std::unique_ptr<LookupEditor> m_lookup;
    int m_lookupField = -1;
    QStringList m_lookupAsOpened;
    bool m_changed = false;
};
