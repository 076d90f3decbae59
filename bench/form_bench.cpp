// Opening a stored form of 40 controls over a table of 1,000,000 records and moving to its last record,
// without a window. Prints the best of five runs of each against 100 ms.
#include "BenchDatabase.h"
#include "data/CDbRecordset.h"
#include "forms/format/CtrlProps.h"
#include "forms/format/DatabaseFormStore.h"
#include "forms/runtime/FormSession.h"
#include "tables/FieldCatalogue.h"


#include <cstdio>

namespace {

constexpr int kRecords = 1000000;
constexpr int kFields = 10;

QString fieldName(int f) { return QStringLiteral("F%1").arg(f); }

// Text fields, then Integer fields, then one Boolean.
QString fieldType(int f)
{
    return f == kFields - 1 ? fieldtypes::kBoolean : f < kFields / 2 ? fieldtypes::kText : fieldtypes::kInteger;
}

bool fill(CAppContext& context)
{
    QList<FieldDefinition> fields;
    for (int f = 0; f < kFields; ++f)
        fields.append({fieldName(f), fieldType(f), fieldtypes::propertyTemplate(fieldType(f))});
    return fillBigTable(context, fields, kRecords, [](CDbRecordset& records, int i) {
        bool ok = true;
        for (int f = 0; ok && f < kFields; ++f) {
            const QString type = fieldType(f);
            ok = type == fieldtypes::kText      ? records.SetFieldString(f, QStringLiteral("record %1").arg(i))
                 : type == fieldtypes::kInteger ? records.SetFieldLong(f, i + f)
                                                : records.SetFieldBool(f, i % 2 == 0);
        }
        return ok;
    });
}

PropertySet control(int kind, const QString& name, const QString& source, int row)
{
    PropertySet properties = BuildPropertySet(kind);
    SetProperty(properties, QStringLiteral("Name"), name);
    SetProperty(properties, QStringLiteral("Control Source"), source);
    SetProperty(properties, QStringLiteral("Caption"), name);
    SetLocation(properties, 10, 10 + row * 20, 110, 27 + row * 20);
    return properties;
}

// Per field a caption label and its bound box, and beside them an unbound text box and a button.
bool storeForm(CAppContext& context)
{
    QList<PropertySet> controls;
    for (int f = 0; f < kFields; ++f) {
        const QString name = fieldName(f);
        const int boxKind = fieldType(f) == fieldtypes::kBoolean ? ControlKind::CheckBox : ControlKind::TextBox;
        controls << control(ControlKind::Label, QStringLiteral("Label") + name, {}, f)
                 << control(boxKind, name, QStringLiteral("Big.") + name, f)
                 << control(ControlKind::TextBox, QStringLiteral("Note") + name, {}, f)
                 << control(ControlKind::CommandButton, QStringLiteral("Button") + name, {}, f);
    }
    PropertySet form = BuildPropertySet(ControlKind::FormProps);
    SetProperty(form, QStringLiteral("SQL Source"), QStringLiteral("Big"));
    DatabaseFormStore store(context);
    return store.addForm({QStringLiteral("Wide"), QStringLiteral("Big"), *SerialiseForm(form, controls)});
}

} // namespace

int main()
{
    BenchDatabase bench(kRecords);
    if (!bench.ok)
        return 1;
    CAppContext& context = bench.context;
    if (!fill(context) || !storeForm(context)) {
        std::fprintf(stderr, "could not create the table and its form\n");
        return 1;
    }
    FormSession form(context);
    bool ok = true;
    const double open = bestMillis([&] { form.close(); }, [&] { ok = ok && form.openForm(QStringLiteral("Wide")); });
    const double last = bestMillis([&] { form.firstRecord(); }, [&] { form.lastRecord(); });
    const int box = form.controlIndex(QStringLiteral("F0"));
    if (!ok || form.controls().size() != 4 * kFields || form.positionText() != QStringLiteral("%1/%1").arg(kRecords) ||
        form.controls()[box].text != QStringLiteral("record %1").arg(kRecords - 1)) {
        std::fprintf(stderr, "the form did not show the last record\n");
        return 1;
    }
    std::printf("form of %d controls over %d records: open %.1f ms, Last Record %.1f ms (target: well under 100 ms each)\n",
                int(form.controls().size()), kRecords, open, last);
    return 0;
}
