#pragma once
// One record source of an open form: the main form's, or a subform's, with the recordset it is read
// through.
#include "data/CDbRecordset.h"
#include "forms/runtime/FormSession.h"

#include <QByteArray>

#include <memory>
#include <optional>

struct FormSession::Source {
    // As the form names it: a table, or "(Q)" and a stored query's name.
    QString name;
    // "MainForm", or the subform's name.
    QString subform;
    // The statement the records were opened from, before any link to the main record.
    QString sql;
    // Null when the source could not be opened.
    std::unique_ptr<CDbRecordset> records;
    // The table's design as it was when the records were opened; none for a query, or where nobody else
    // can change it.
    std::optional<QByteArray> design;
    // A subform's field matched against the main record's field of the same name; empty when its
    // records are not linked and it shows its first record.
    QString linkField;
};
