#pragma once
// The names the import gives the fields: the rules a name must pass, and for the names of a file's first
// line that do not, a name that does ("Contact Phone Number" becomes ContactPhoneNumber, "eol-lts" eolLts).
#include "tables/FieldTypes.h"

#include <QList>
#include <QString>
#include <QStringList>

// The message for the first field name the import refuses; empty when every name will do.
QString importFieldNameFailure(const QList<FieldDefinition>& fields);

// One name per header, each one the import takes, no two alike (ignoring case): a name that passes is kept;
// in one that does not, the characters the rules refuse are dropped and the letter after them made a
// capital. An empty header gives "Field" and its column's number, from 0.
QStringList proposedFieldNames(const QStringList& headers);
