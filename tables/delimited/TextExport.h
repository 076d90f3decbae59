#pragma once
// The records of a table or of a stored query's result written as delimited text: UTF-8, a first line
// with the field names, and values quoted where the delimiter, a quote or a line break would break them.
// Text values are always quoted and Double values always carry a decimal point, so that importing the
// file again proposes the same types.
#include "data/CAppContext.h"
#include "tables/delimited/DelimitedReader.h"

#include <QString>

#include <optional>

// "Name(Q)" names a stored query; anything else a table.
struct ExportSource {
    QString name;
    bool isQuery = false;
    static ExportSource fromText(const QString& text);
};

// A value as the delimited file holds it; `quote` forces the quotes.
QString delimitedValue(const QString& value, const Delimiter& delimiter, bool quote = false);

// Writes the file at `path` (device or host path); the number of records written, nullopt after the
// message that says why nothing was written.
std::optional<int> exportDelimited(CAppContext& context, const ExportSource& source, const QString& path,
                                   const QString& delimiterEntry);
