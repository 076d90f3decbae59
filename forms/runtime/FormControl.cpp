#include "forms/runtime/FormControl.h"

QString FormControl::handler(const QString& eventName) const
{
    for (const auto& [property, handler] : events)
        if (property == eventName)
            return handler;
    return {};
}
