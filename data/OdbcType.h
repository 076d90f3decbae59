#pragma once
// The codes the field catalogue's ODBCType column holds for each data type, and the names a user knows
// them by. An AutoNumber is an Integer whose catalogue row says so; it has no code of its own.
#include <QString>

namespace odbc {

enum Type : int { Text = 12, Memo = -1, Integer = 4, Double = 8, DateTime = 11, Boolean = -7, OleObject = -4 };

struct TypeName {
    Type code;
    const char* name;
};

inline constexpr TypeName kTypeNames[] = {
    {Text, "Text"},         {Memo, "Memo"},       {Integer, "Integer"},      {Double, "Double"},
    {DateTime, "Date/Time"}, {Boolean, "Boolean"}, {OleObject, "OLE Object"},
};

// The name of a code; empty for a code the catalogue does not use.
inline QString typeName(int code)
{
    for (const TypeName& entry : kTypeNames)
        if (entry.code == code)
            return QString::fromLatin1(entry.name);
    return QString();
}

// The code the field properties keep for a column of an engine type: the code of the data type the user
// sees, never the engine's own, which every reader of the properties would take for an unknown type.
// An engine type without a data type of its own keeps its number.
int codeOfEngineType(int engineType);

inline bool isNumeric(int code) { return code == Integer || code == Double; }
inline bool isText(int code) { return code == Text || code == Memo; }

} // namespace odbc
