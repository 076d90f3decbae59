#pragma once
// Where the table designer opens the expression builder (default values, validation rules and
// calculations). The builder dialog is not part of the program yet: until it is, this tells the user so
// and composes nothing, and the designer leaves the field as it was.
#include <QString>

#include <optional>

std::optional<QString> openExpressionBuilder(const QString& text, int mode);
