' ReDim inside a procedure resizes the global array of its name, or the instance's own variable inside a
' class; a name known nowhere becomes the procedure's own array.
Dim list()
Sub Grow(n)
  ReDim Preserve list(n)
  list(n) = "item " & n
End Sub
Sub MakeLocal
  ReDim fresh(2)
  fresh(2) = "local"
  ShowResult "local " & UBound(fresh) & " " & fresh(2)
End Sub
Sub Shadow
  Dim list
  ReDim list(5)
  ShowResult "declared here " & UBound(list)
End Sub
Class Stack
  Private items()
  Public Sub Push(value)
    ReDim Preserve items(Size)
    items(UBound(items)) = value
  End Sub
  Public Property Get Size
    On Error Resume Next
    Size = 0
    Size = UBound(items) + 1
  End Property
End Class
Grow 0
Grow 1
ShowResult UBound(list) & " " & list(1)
MakeLocal
Shadow
ShowResult "global kept " & UBound(list)
Dim s
Set s = New Stack
s.Push "a"
s.Push "b"
ShowResult "instance " & s.Size
