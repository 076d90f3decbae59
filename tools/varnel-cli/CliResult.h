#pragma once
#include <QTextStream>

class CDbRecordset;

// A result as varnel-cli prints it: the field names, then each record, the values separated by tabs.
void printRecords(CDbRecordset& recordset, QTextStream& out);
