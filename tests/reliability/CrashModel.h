#pragma once
// The edits a crash-trial writer makes, step by step, and the state a database must hold after the first
// n of them. The writer and the checker both derive everything from the step number, so the checker
// knows what every confirmed step left behind without reading the writer's memory.
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace crashtrial {

enum class StepKind { AddRecord, ChangeRecord, DeleteRecord, AddField, RetypeField, DropField, SaveCatalogueRows };

StepKind kindOf(int step);

// What the first `steps` steps leave in the database.
struct ExpectedState {
    QMap<int, QString> people;  // Age -> Name of every record of People
    QStringList shapeFields;    // the fields of Shape after its first field, in order
    QStringList shapeTypes;     // their types, as the designer names them
    QStringList savedRows;      // "table:name" of every catalogue row written
};

// The record a step adds; the text carries a quote, a blank and an accent so that quoting is tried too.
QString nameOfRecord(int step);
// The field a field step works on: the one added by the last AddField step at or before `step`.
QString fieldOfStep(int step);
// The catalogue row a SaveCatalogueRows step writes: a form, a relation, a query or a macro in turn.
struct CatalogueRow {
    QString table;
    QString nameColumn;
    QString name;
};
CatalogueRow catalogueRowOfStep(int step);
// A change step toggles a trailing star, so that a long run never outgrows the field's size.
QString changedName(const QString& name);

// The state after applying `steps` steps to the freshly prepared database.
ExpectedState expectedAfter(int steps);

} // namespace crashtrial
