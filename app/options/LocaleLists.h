#pragma once
// The language list of the General page, from the system's locales (its Date Style list is data/DateStyle's).
#include <QLocale>
#include <QStringList>

// The English name of every language the system knows, each once: English first, the language the
// program's texts are in, so that the stored default (position 0) names it; then the others in the
// order of the system's locales.
QStringList languageNames();
