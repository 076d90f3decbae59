' Numeric types: widening instead of overflow, Booleans and texts in arithmetic, the rounding operators.
ShowResult TypeName(32767 + 1) & " " & TypeName(2147483647 + 1) & " " & TypeName(1 + 1)
ShowResult TypeName(CByte(200) + CByte(100)) & " " & (CByte(200) + CByte(100))
ShowResult True + True & " " & TypeName(True + True) & " " & -True
ShowResult 7.5 \ 2 & " " & 6.5 \ 2 & " " & -7 \ 2 & " " & 5.5 Mod 4 & " " & -7 Mod 3
ShowResult 1 / 4 & " " & 2 ^ 10 & " " & TypeName(2 ^ 2) & " " & 10 / 4 * 2
ShowResult "1" + 2 & " " & "1" + "2" & " " & TypeName("1" + 2)
ShowResult (12 And 10) & " " & (12 Or 3) & " " & (12 Xor 10) & " " & (Not 0) & " " & (0 Eqv 0) & " " & CStr(True Imp False)
ShowResult CStr(Null And False) & " " & IsNull(Null Or False) & " " & CStr(Null Or True) & " " & IsNull(Null + 1)
Dim n, s : n = 10 : s = "9"
ShowResult CStr(n < s) & " " & CStr(n = 10) & " " & CStr(s = 9) & " " & CStr(n > "9")
Dim d : d = #12/25/2026#
ShowResult d + 7 & " " & TypeName(d + 7) & " " & (#1/1/2027# - d) & " " & TypeName(#1/1/2027# - d)
ShowResult d - 0.5
On Error Resume Next
Dim x
x = 1 / 0
ShowResult Err.Number & " " & Err.Description
Err.Clear
x = 0 / 0
ShowResult Err.Number & " " & Err.Description
Err.Clear
x = 5 Mod 0
ShowResult Err.Number & " " & Err.Description
Err.Clear
x = "abc" * 2
ShowResult Err.Number & " " & Err.Description
