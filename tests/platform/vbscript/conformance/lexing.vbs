REM Lexing: comments, continuations, separators, literals, names without regard to case.
Dim Total, text ' a comment after a statement
total = 1 + _
        2 + _
        3
SHOWRESULT TOTAL : showresult "a ""quoted"" word"
rem another comment
ShowResult &HFF & " " & &HFFFF & " " & &H10000 & " " & &O17 & " " & TypeName(&HFFFF) & " " & TypeName(&H10000)
ShowResult 1.5E3 & " " & 2.5e-3 & " " & .5 & " " & 1E+20 & " " & TypeName(1E3)
ShowResult #1/15/2026# & " " & #2026-03-04# & " " & #10:30:00 PM# & " " & TypeName(#1/1/2000#)
ShowResult TypeName(32767) & " " & TypeName(32768) & " " & TypeName(2147483648)
text = "tab" & vbTab & "end" : ShowResult Len(text) & " " & Len(vbCrLf) & " " & vbTrue & " " & vbString
ShowResult -2 ^ 2 & " " & 2 ^ -1 & " " & 2 ^ 3 ^ 2 & " " & 10 - 2 - 3 & " " & 7 \ 2 * 2
ShowResult 1 + 2 & 3 & " " & (1 = 1) & " " & (Not 1 = 2) & " " & ("a" < "b") & " " & 5 Mod 3 * 2
