#include "data/OdbcType.h"

#include "platform/cedb/Engine.h"

namespace odbc {

int codeOfEngineType(int engineType)
{
    switch (engineType) {
    case cedb::adVarWChar: return Text;
    case cedb::adLongVarWChar: return Memo;
    case cedb::adSmallInt:
    case cedb::adInteger: return Integer;
    case cedb::adDouble: return Double;
    case cedb::adDate: return DateTime;
    case cedb::adBoolean: return Boolean;
    case cedb::adLongVarBinary: return OleObject;
    default: return engineType;
    }
}

} // namespace odbc
