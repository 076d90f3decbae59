#pragma once
// The expression functions that the system computes itself (the rest are the script language's own).
// Scripts reach them as methods of "MyObject".
#include <QString>

#include <cstdint>

namespace exprfn {

// 32-bit sum: wraps around on overflow instead of failing.
std::int32_t SUM(std::int32_t a, std::int32_t b);
// (a + b) * 0.5
double AVG(double a, double b);
double MAX(double a, double b);
double MIN(double a, double b);
// The first character in upper case, the rest unchanged.
QString INITCAP(const QString& text);
QString TOCHAR(std::int32_t value);
// The leading digits after optional blanks and a sign; no digits give 0.
std::int32_t TONUMBER(const QString& text);
// Seconds as "h: m: s", the hours taken modulo 24 and the number read as unsigned.
QString TOTIMESTR(std::int32_t seconds);

} // namespace exprfn
