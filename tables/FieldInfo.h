#pragma once
// What the datasheet knows of one field while it is open, kept as one text of items separated by ":=:"
// (type, lookup columns, flags, default value, AutoNumber counter, length), built from the field's
// catalogue row when the table is opened and read back item by item.
#include <QString>

struct FieldInfo {
    int odbcType = 0;
    QString combo = QStringLiteral("0");
    QString comboData = QStringLiteral("0");
    QString comboFlags = QStringLiteral("0");
    // Flags as the engine reads them back: "-1" true, "0" false.
    QString unique = QStringLiteral("0");
    QString required = QStringLiteral("0");
    QString zeroLen = QStringLiteral("0");
    QString defValue;
    // The next number an AutoNumber field hands out; -1 for every other field.
    int autoNumber = -1;
    QString maxLen;

    bool isAutoNumber() const { return autoNumber > 0; }
    bool isUnique() const { return unique == QLatin1String("-1"); }
    bool isRequired() const { return required == QLatin1String("-1"); }
    bool allowsZeroLength() const { return zeroLen == QLatin1String("-1"); }
    bool hasLookup() const { return combo == QLatin1String("1"); }

    // The field-info text: "12:=:0:=:0:=:0:=:UNIQUE=0:=:REQUIRED=0:=:ZEROLEN=0:=:DefValue::=:AUTONUMBER=-1:=:MAXLEN=50:=:".
    QString text() const;
    static FieldInfo parse(const QString& text);
};

// Flags, lookup columns and counters as the catalogue row holds them, turned into the datasheet's form.
struct FieldCatalogueRow {
    QString odbcType, combo, comboData, comboFlags, unique, required, zeroLen, defValue, autoNumber, len;
};
FieldInfo fieldInfoFromCatalogue(const FieldCatalogueRow& row);
