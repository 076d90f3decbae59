' Arithmetic on variables as loops do it: the result types, widening past Integer and Long, values that
' change type between rounds, and the errors a quick path must not swallow.
Dim a, b, big, total, i, e, t
a = 200 : b = 32767 : big = 2147483647
ShowResult TypeName(a * 3) & " " & TypeName(a * a) & " " & (a * a) & " " & TypeName(b + 1) & " " & TypeName((b + 1) - 1)
ShowResult TypeName(big + 1) & " " & (big + 1) & " " & TypeName((big * 2) - big) & " " & ((big * 2) - big) & " " & TypeName(big - big)
ShowResult (-7 Mod a) & " " & (a \ -7) & " " & TypeName(a Mod 7) & " " & TypeName(big Mod 7) & " " & ((big + 0) Mod 10)
ShowResult CStr(a < b) & " " & CStr((a + 1) = 201) & " " & CStr(b >= big) & " " & TypeName(a = a)
total = 0
For i = 1 To 5
  If i = 3 Then total = total + 0.5
  total = (total + i * 3) Mod 1000
Next
ShowResult total & " " & TypeName(total)
t = "12"
ShowResult (t + a) & " " & TypeName(t + a) & " " & (e + a) & " " & TypeName(e + 1) & " " & (True + a) & " " & IsNull(Null + a)
ShowResult "n" & (-big - 1) & "|" & (a - 32968) & "|" & e & "|" & 0 & 1.5 & "|" & Null & True & "|" & TypeName(e & e)
On Error Resume Next
i = 0
total = a Mod i
ShowResult Err.Number & " " & Err.Description & " " & total
Err.Clear
total = (a + 1) \ (i * 2)
ShowResult Err.Number & " " & Err.Description
Err.Clear
i = -1
total = (-big - 1) \ i
ShowResult Err.Number & " " & TypeName(total) & " " & total
