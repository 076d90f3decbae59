' Number, currency, percent and date formats of the en-US locale.
ShowResult FormatNumber(1234567.891) & " " & FormatNumber(2.675, 2) & " " & FormatNumber(0.5, 0) & " " & FormatNumber(-1.5, 0)
ShowResult FormatNumber(0.5, 2, 0) & " " & FormatNumber(-1234.5, 1, vbUseDefault, vbTrue) & " " & FormatNumber(1234.5, 1, vbUseDefault, vbUseDefault, vbFalse) & " " & FormatNumber("12")
ShowResult FormatNumber(999.996) & " " & FormatNumber(1E-7, 8) & " " & FormatNumber(0)
ShowResult FormatCurrency(1234.5) & " " & FormatCurrency(-1234.5) & " " & FormatCurrency(-5, 0, vbUseDefault, vbFalse) & " " & FormatPercent(0.256) & " " & FormatPercent(-0.5, 0)
Dim t : t = #12/7/2026 10:05:09 PM#
ShowResult FormatDateTime(t) & "|" & FormatDateTime(t, vbLongDate) & "|" & FormatDateTime(t, vbShortDate) & "|" & FormatDateTime(t, vbLongTime) & "|" & FormatDateTime(t, vbShortTime)
On Error Resume Next
Dim x
x = FormatNumber("abc")
ShowResult Err.Number
Err.Clear
x = FormatDateTime(t, 5)
ShowResult Err.Number
