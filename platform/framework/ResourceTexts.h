#pragma once
// The user-visible texts of the language library. The library stand-in is a UTF-8 text file of lines
// "NAME=text" ("\n", "\t" and "\\" stand for a line break, a tab and a backslash); lines without "=" and
// lines starting with "#" are ignored. Until a library is loaded, and for names it lacks, the texts built
// into the program serve.
#include <QString>

namespace framework {

// Loads the library at a device or host path in place of any loaded before. False (and the built-in
// texts in use) when the file cannot be read.
bool loadResourceLibrary(const QString& path);
void freeResourceLibrary();
bool resourceLibraryLoaded();

// The library's text for `name`, or `builtIn` when no library is loaded or it has no such text.
QString resourceText(const QString& name, const QString& builtIn);

} // namespace framework
