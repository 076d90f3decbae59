' A fixed array exists once its Dim runs; ReDim of it is refused before its bounds are read.
ShowResult VarType(a) & " " & IsArray(a)
Dim a(3)
ShowResult VarType(a) & " " & UBound(a)
Sub Local
  ShowResult "local before " & VarType(b)
  Dim b(2)
  ShowResult "local after " & VarType(b)
  On Error Resume Next
  ReDim b("abc")
  ShowResult "local ReDim " & Err.Number
End Sub
Local
Dim sb(4)
On Error Resume Next
ReDim Preserve sb("abc")
ShowResult Err.Number & " " & Err.Description
Err.Clear
ReDim sb(2)
ShowResult Err.Number
