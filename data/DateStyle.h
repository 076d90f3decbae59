#pragma once
// The Date Style of the general options: which formats it offers and how a date the engine wrote
// ("12/7/2026", "1/2/2026 10:05:09 AM") is shown in it and read back from it. The datasheet, the forms,
// the text export and varnel-cli show dates through here; the engine, the scripts and the stored files
// keep the engine's own month/day/year text.
#include <QString>
#include <QStringList>

class QLocale;

// The engine's own style, M/d/yyyy, first: position 0, the stored default, shows dates as they always
// were shown. Then the short date formats of the locale's language, the locale's own first, each once.
// A two-digit year is offered with four digits, so that a date read back keeps its century.
QStringList dateStyles(const QLocale& locale);
QStringList dateStyles();

// The format at a stored position; the engine's own for a position outside the list.
QString dateStyleAt(int position);
// The style the profile holds now (GENERAL_OPTIONS, Default_Date_Style).
QString chosenDateStyle();

// The engine's text of a date shown in `style`: the date part is written in the style, a time after it
// stays as the engine wrote it, a time alone and a text that is no date are left as they are.
QString styledDate(const QString& engineText, const QString& style);
// Typing read back: a date in `style` (with or without the engine's time after it) as the engine's text;
// anything else is handed on as typed, for the engine to read or refuse as it always did.
QString engineDate(const QString& typed, const QString& style);
