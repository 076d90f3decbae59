' Values: Empty, Null, Nothing, comparisons of numbers and texts, Is, logical and bitwise operators.
Dim e, n, o, p
ShowResult IsEmpty(e) & " " & (e = 0) & " " & (e = "") & " " & TypeName(e) & " " & (e + 1) & "[" & e & "]"
n = Null
ShowResult IsNull(n) & " " & IsNull(n + 1) & " " & IsNull(n & "") & "[" & (n & "x") & "] " & TypeName(n)
If n = 1 Then ShowResult "no" Else ShowResult "a Null condition is not true"
If Not (n = 1) Then ShowResult "no" Else ShowResult "nor is its negation"
Set o = Nothing
ShowResult (o Is Nothing) & " " & IsObject(o) & " " & TypeName(o)
Set p = o
ShowResult (p Is o)
ShowResult (True And False) & " " & (True Or False) & " " & (True Xor True) & " " & (False Imp False) & " " & (True Eqv False)
ShowResult (6 And 3) & " " & (6 Or 3) & " " & (6 Xor 3) & " " & (Not 6) & " " & (6 Eqv 3) & " " & (6 Imp 3)
ShowResult ("10" < "9") & " " & (10 < 9) & " " & ("abc" = "ABC") & " " & StrComp("abc", "ABC", 1)
ShowResult 32767 + 1 & " " & TypeName(32767 + 1) & " " & TypeName(2147483647 + 1)
ShowResult TypeName(5 * 1.0) & " " & TypeName(CInt(2) * CInt(3)) & " " & TypeName(10 / 2) & " " & TypeName("a" & 1)
ShowResult CStr(#1/31/2026# + 1) & " " & DateAdd("m", 1, #1/31/2026#) & " " & DateDiff("d", #1/1/2026#, #3/1/2026#)
ShowResult TypeName(Now - Now) & " " & Year(#2/29/2024# + 365) & " " & CDbl(#1/1/1900#)
ShowResult "x" & 1.5 & True & Empty & "|" & Len(Null & "")
