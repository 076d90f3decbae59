#pragma once
#include "data/EngineError.h"

#include <QTextStream>

#include <cstdio>

// Prints "error: " with what the engine said about its last failure, and gives the exit status 1.
inline int reportEngineFailure(const QString& context)
{
    const EngineError error = lastEngineError();
    QTextStream(stderr) << "error: " << context << ": " << error.description << " (" << error.name << ")\n";
    return 1;
}
