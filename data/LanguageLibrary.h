#pragma once
// The language file "Windows//Varnel.cfg" names the language of the user-visible texts in its first line,
// as "Lang=English"; the library of the language carries the texts.
#include "data/CAppContext.h"

#include <QString>

// The language the first line names: the trimmed value when the trimmed key is "Lang" (any case), else
// empty text.
QString languageNamedBy(const QString& firstLine);

// The library file for a language. English is the only language there is, and every other case
// (nothing named, another language) falls back to it.
QString languageLibraryFor(const QString& language);

// On first start the language file does not exist yet: it is written naming English. An existing file is
// left as it is. False when it cannot be written.
bool seedLanguageFile();

// Reads the language file and loads the library it selects from the system folder. True when the library
// was loaded; otherwise the program's own texts stay in use. Nothing is reported either way.
bool loadLanguageLibrary();

// Loads the language library and records in the context whether that worked.
void SelectLanguageLibrary(CAppContext& context);
