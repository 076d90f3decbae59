#pragma once
// What the engine said about its last failed call, for the layers above the data layer, which reach
// the engine only through it.
#include "platform/automation/hresult.h"

#include <QString>

struct EngineError {
    HRESULT code = 0;
    // The engine's own words.
    QString description;
    // The code's symbolic name, or its eight hex digits when it has none.
    QString name;
};

EngineError lastEngineError();
