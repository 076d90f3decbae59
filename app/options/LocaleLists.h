#pragma once
// The lists of the General page that come from the system's locales.
#include <QLocale>
#include <QStringList>

// The short date formats of the locale's language: the locale's own first, then those of the other
// countries that speak it, each once.
QStringList shortDateFormats(const QLocale& locale = QLocale::system());
// The English name of every language the system knows, each once: English first, the language the
// program's texts are in, so that the stored default (position 0) names it; then the others in the
// order of the system's locales.
QStringList languageNames();
