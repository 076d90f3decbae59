#pragma once
// How the history's times and values read in its dialogs.
#include "platform/automation/variant.h"

#include <QString>

// "2026-12-09 10:15:02" in the machine's time, from the history's UTC time.
QString historyTime(const QString& utc);
// A field's value: its text, "Yes"/"No" for a Boolean, "(Null)" for no value.
QString historyValue(const Variant& value);
