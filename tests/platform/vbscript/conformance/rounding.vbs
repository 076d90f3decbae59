' Rounding everywhere goes half to even; Int floors, Fix truncates. A fresh generator starts where the
' language's always does.
ShowResult Rnd & " " & Rnd & " " & Rnd
ShowResult Round(0.5) & " " & Round(1.5) & " " & Round(2.5) & " " & Round(-1.5) & " " & Round(1.2345, 2) & " " & Round(13.5)
ShowResult CInt(2.5) & " " & CInt(3.5) & " " & CLng(-2.5) & " " & CByte(254.5) & " " & Int(-2.5) & " " & Fix(-2.5)
ShowResult TypeName(Round(2.5)) & " " & TypeName(Round(CInt(7))) & " " & TypeName(Int(CLng(5))) & " " & TypeName(Abs(CInt(-32767)))
ShowResult 2.5 \ 1 & " " & 3.5 \ 1 & " " & (2.5 Mod 2)
ShowResult Hex(-1) & " " & Hex(-32769) & " " & Hex(65535) & " " & Oct(-1) & " " & Hex(2.5) & " " & Hex(3.5)
Dim a, b : a = Rnd(-5) : b = Rnd(-5)
ShowResult CStr(a = b) & " " & CStr(Rnd(0) = b)
On Error Resume Next
Dim x
x = CInt(32767.5)
ShowResult Err.Number
Err.Clear
x = Hex(1E10)
ShowResult Err.Number
Err.Clear
x = Round(1.5, -1)
ShowResult Err.Number
