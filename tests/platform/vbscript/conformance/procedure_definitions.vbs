' Procedures are all defined before the script runs, wherever they are written: inside an If block, on one
' line, and twice (the last definition wins, also for calls written before both). Stop does nothing.
ShowResult Twice(2)
If False Then
  Sub Hidden
    ShowResult "defined inside If"
  End Sub
End If
Hidden
Sub OneLine() ShowResult "one-line body" End Sub
OneLine
Sub LastLine
  Dim x
  x = "last line"
  ShowResult x End Sub
LastLine
Function Twice(n)
  Twice = n * 2
End Function
Function Twice(n)
  Twice = n * 20
End Function
ShowResult Twice(3)
Stop
ShowResult "after Stop"
Sub KeepsItsConstant
  Const k = 1
  ShowResult "own constant " & k
End Sub
Dim k
KeepsItsConstant
Function Pick(n)
  Pick = "picked " & n
End Function
Sub Bump(v)
  v = v + 1
End Sub
Dim a, arr
a = 5
ShowResult (Pick)(a)
Call (Bump)(a)
ShowResult "call by reference " & a
Call (Bump)((a))
ShowResult "call by value " & a
arr = Array(7, 8)
ShowResult ((arr))(1)
