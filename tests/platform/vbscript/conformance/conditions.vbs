' Comparisons as conditions: the same answers as comparisons as values, Null never taken, calls on either side.
Dim n, s, e, hits, i
n = 10 : s = "9" : hits = ""
If n > s Then hits = hits & "a"
If Null = Null Then hits = hits & "c" Else hits = hits & "d"
If Len(s) = 1 Then hits = hits & "e"
If 1 <> Len(s) Then hits = hits & "f"
If e = 0 Then hits = hits & "g"
If e = "" Then hits = hits & "h"
If n = 10.0 Then hits = hits & "i"
If (n * 4000) > 32767 Then hits = hits & "j"
If CStr(n = n) = "True" Then hits = hits & "k"
ShowResult hits
hits = 0
For i = 1 To 100
  If i Mod 7 = 0 Then hits = hits + 1
  Do While hits > 100 : Loop
Next
ShowResult hits
