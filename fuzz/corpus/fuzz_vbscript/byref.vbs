Function F(ByRef a)
  a = a & "!"
  F = Len(a)
End Function
Dim t: t = "ab"
n = F(t)
With CreateObject("x")
End With
