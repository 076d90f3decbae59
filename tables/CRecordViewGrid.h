#pragma once
// The record view: one row per field of the current record, its name beside its value.
#include "widgets/CGridCtrl.h"

class CRecordViewGrid : public CGridCtrl {
    Q_OBJECT
public:
    explicit CRecordViewGrid(QWidget* parent = nullptr);

    void showRecord(const QStringList& names, const QStringList& values);

signals:
    // The value of a field (0-based) was edited in place.
    void valueEdited(int field, const QString& text);
};
