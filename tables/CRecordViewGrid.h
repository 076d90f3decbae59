#pragma once
// The record view: one row per field of the current record, its name beside its value. Its rows for
// storeEdit are the fields; a refused value stays in its row to be mended.
#include "tables/CEditKeepingGrid.h"

class CRecordViewGrid : public CEditKeepingGrid {
    Q_OBJECT
public:
    explicit CRecordViewGrid(QWidget* parent = nullptr);

    void showRecord(const QStringList& names, const QStringList& values);
};
