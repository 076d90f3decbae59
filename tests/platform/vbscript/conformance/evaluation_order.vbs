' Operands are taken left to right: a variable on the left keeps the value it had before a call on the
' right changed it, in expressions and in conditions alike.
Dim x, n
Function Change()
  x = "changed"
  n = 100
  Change = 50
End Function
x = "orig" : n = 1
ShowResult x & Change()
n = 1
ShowResult n + Change() & " " & n
n = 1
If n < Change() Then ShowResult "left was 1" Else ShowResult "left was 100"
n = 1
ShowResult Change() + n
