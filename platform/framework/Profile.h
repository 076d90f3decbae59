#pragma once
// The application profile: named sections of integer and text values, kept in the registry under
// HKEY_CURRENT_USER\<the application's key>\<section>. Reads give the
// caller's default when the value is missing (or has the other type); write results are not reported,
// as nobody acts on them.
#include <QString>

namespace framework {

// The registry key below HKEY_CURRENT_USER that holds the sections; the application sets it once at start.
void setProfileKey(const QString& key);
const QString& profileKey();

int GetProfileInt(const QString& section, const QString& key, int defaultValue);
QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue = QString());
void WriteProfileInt(const QString& section, const QString& key, int value);
void WriteProfileString(const QString& section, const QString& key, const QString& value);

} // namespace framework
