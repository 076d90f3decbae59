' Conversions and type questions at their edges.
ShowResult CStr(True) & " " & CStr(0.1 + 0.2) & " " & CStr(CSng(1.1)) & " " & CStr(CCur(1.23456)) & " " & CStr(1E+20) & " " & CStr(0.00001)
ShowResult CBool("False") & " " & CBool(0.1) & " " & CDbl("&HFF") & " " & CLng(" 12 ") & " " & CDate("Dec 7, 2026")
ShowResult TypeName(CByte(1)) & " " & TypeName(CCur(1)) & " " & TypeName(CSng(1)) & " " & TypeName(CDate(1)) & " " & TypeName(Nothing)
ShowResult IsNumeric(" 1e3 ") & " " & IsNumeric("12a") & " " & IsNumeric(Empty) & " " & IsNumeric(Now) & " " & IsDate("2026-12-07") & " " & IsDate(45000)
On Error Resume Next
Dim x
x = CInt("abc")
ShowResult Err.Number
Err.Clear
x = CLng(2147483648)
ShowResult Err.Number
Err.Clear
x = CByte(-1)
ShowResult Err.Number
Err.Clear
x = CStr(Null)
ShowResult Err.Number
Err.Clear
x = CBool("maybe")
ShowResult Err.Number
