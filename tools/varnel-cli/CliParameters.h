#pragma once
// Values for a stored query's parameters given on the command line: "--param [Name]=VALUE", the brackets
// may be left off.
#include <QHash>
#include <QString>
#include <QStringList>

// Takes every "--param PAIR" out of `args` into `values`, keyed by the bracketed name. False on a
// malformed pair or a "--param" without one.
bool takeParameters(QStringList& args, QHash<QString, QString>& values);
