#pragma once
// The eight data types a user picks for a field, what each becomes in the engine's DDL and in the
// field catalogue, and the property rows a field of each type carries.
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct PropertyRow {
    QString name;
    QString value;
    bool operator==(const PropertyRow&) const = default;
};

// One field as the designer and the import pass it on: name, data type name and its property rows
// (the type's own row is not among them, so properties[0] is what the catalogue calls row 1).
struct FieldDefinition {
    QString name;
    QString type;
    QList<PropertyRow> properties;
};

struct FieldType {
    QString name;
    QString sqlType; // "<size>" stands for the Field Size of a Text field
    int odbcType;
    int length; // Len when the field is created with its table
};

namespace fieldtypes {

inline const QString kText = QStringLiteral("Text");
inline const QString kMemo = QStringLiteral("Memo");
inline const QString kInteger = QStringLiteral("Integer");
inline const QString kDouble = QStringLiteral("Double");
inline const QString kDateTime = QStringLiteral("Date/Time");
inline const QString kAutoNumber = QStringLiteral("AutoNumber");
inline const QString kBoolean = QStringLiteral("Boolean");
inline const QString kOleObject = QStringLiteral("OLE Object");

QStringList typeNames();
std::optional<FieldType> find(const QString& typeName);
// The DDL type of a field: "varchar(<size>)" filled in for Text.
QString sqlType(const QString& typeName, const QString& fieldSize);
// The name a catalogue row's type reads back as; "N/F : <code>" for an unknown code.
QString typeNameOf(int odbcType, const QString& autoNumber);
bool isAutoNumber(const QString& autoNumberColumn);
// True when fields of the two types hold the same values: an AutoNumber and an Integer are one stored type.
bool sameStoredType(const QString& typeName, const QString& otherTypeName);

// The rows a new field of the type starts with, with their defaults.
QList<PropertyRow> propertyTemplate(const QString& typeName);
// The same rows named as a field loaded from the catalogue shows them ("InputMask", "ValdnRule",
// "ValdnText" instead of the spelled-out names).
QStringList loadedPropertyNames(const QString& typeName);
// The catalogue column each loaded row is read from, in the order of loadedPropertyNames.
QStringList propertyColumns(const QString& typeName);

QString flagText(bool value); // "Yes" / "No"

// True when a field of the type (a Text field with its Field Size) can store the value written as
// `text`, converted as the engine converts it; an empty text stores no value and always fits.
bool canHold(const QString& typeName, const QString& fieldSize, const QString& text);

} // namespace fieldtypes
