Option Explicit
' Under Option Explicit a name that was never declared is an error when its statement runs.
Dim declared
declared = "yes"
ShowResult declared
Sub UsesLocal
  Dim inner
  inner = 2
  ShowResult "local " & inner
End Sub
UsesLocal
On Error Resume Next
undeclared = 1
ShowResult Err.Number & " " & Err.Description
Err.Clear
ShowResult "reading: " & typo
ShowResult Err.Number
On Error GoTo 0
ShowResult other
