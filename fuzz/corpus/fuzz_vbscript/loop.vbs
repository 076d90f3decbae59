Dim a(3), s
For i = 0 To 3
  a(i) = i * 2.5
Next
s = Join(Array("x", "y"), ",") & UCase(Mid("hello", 2, 3))
If s <> "" Then s = s & CStr(a(3))
