' The text built-ins at their edges: compare modes, starts beyond the end, Null, the ANSI code page.
ShowResult InStr(1, "ABC", "b") & " " & InStr(1, "ABC", "b", vbTextCompare) & " " & InStr("abc", "") & " " & InStr("", "a") & " " & InStr(9, "abc", "c")
ShowResult InStrRev("a-b-c", "-") & " " & InStrRev("a-b-c", "-", 3) & " " & InStrRev("a-b-c", "B", -1, vbTextCompare)
ShowResult Mid("Hello", 2, 3) & "|" & Mid("Hello", 4) & "|" & Mid("Hello", 9) & "|" & Mid("Hello", 2, 99) & "|" & Left("Hello", 9) & "|" & Right(12345, 2)
ShowResult Replace("aXbXc", "x", "-", 1, -1, vbTextCompare) & " " & Replace("aXbXc", "X", "-", 3) & " " & Replace("aXbXc", "X", "-", 1, 1) & " " & Replace("abc", "b", "")
ShowResult "[" & Trim("  a b  ") & "][" & LTrim("  ab  ") & "][" & RTrim("  ab  ") & "]"
ShowResult Asc(ChrW(8364)) & " " & AscW(Chr(128)) & " " & String(3, 65) & " " & String(2, "xyz") & " " & Len(String(0, "a"))
ShowResult StrComp("a", "B") & " " & StrComp("a", "A", vbTextCompare) & " " & StrComp("b", "a") & " " & CStr(IsNull(StrComp(Null, "a")))
ShowResult Len(123) & " " & Len(True) & " " & Len(Empty) & " " & UCase("mIxEd") & " " & LCase(Null) & "|"
On Error Resume Next
Dim x
x = Mid("abc", 0)
ShowResult Err.Number
Err.Clear
x = Left("abc", -1)
ShowResult Err.Number
Err.Clear
x = Asc("")
ShowResult Err.Number
Err.Clear
x = Chr(256)
ShowResult Err.Number
Err.Clear
x = Replace(Null, "a", "b")
ShowResult Err.Number
Err.Clear
x = Space(-1)
ShowResult Err.Number
