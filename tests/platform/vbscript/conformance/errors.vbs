' Errors: On Error Resume Next, the Err object, Raise, errors leaving procedures, the sandbox.
Function Divide(a, b)
  Divide = a / b
End Function

Function Careful(a, b)
  On Error Resume Next
  Careful = a / b
  If Err.Number <> 0 Then Careful = "caught " & Err.Number
End Function

Dim x, o
On Error Resume Next
x = Divide(1, 0)
ShowResult Err.Number & " " & Err.Description & " | " & Err.Source
Err.Clear
ShowResult "cleared " & Err.Number & "[" & Err.Description & "]"
ShowResult Careful(1, 0)
Err.Raise 9
ShowResult Err.Number & " " & Err.Description
Err.Raise 1000, "MyModule", "Custom failure"
ShowResult Err.Number & " " & Err.Source & " " & Err.Description
Err.Raise vbObjectError + 513
ShowResult Err.Number & " " & Err.Description
Err.Clear
Set o = CreateObject("Scripting.FileSystemObject")
ShowResult Err.Number & " " & Err.Description
Err.Clear
x = GetObject("", "Any.Thing")
ShowResult Err.Number
Err.Clear
Set x = 5
ShowResult Err.Number & " " & Err.Description
Err.Clear
Set o = Nothing
x = o.Name
ShowResult Err.Number & " " & Err.Description
Err.Clear
x = Len(1, 2)
ShowResult Err.Number & " " & Err.Description
Err.Clear
x = CInt("abc")
ShowResult Err.Number & " " & Err.Description
Err.Clear
x = CInt(40000)
ShowResult Err.Number & " " & Err.Description
Err.Clear
x = Mid("abc", -1)
ShowResult Err.Number & " " & Err.Description
Err.Clear
x = Sqr(-1)
ShowResult Err.Number
Err.Clear
x = 1 + Null
ShowResult "null arithmetic raises nothing: " & Err.Number & " " & IsNull(x)
x = CLng(Null)
ShowResult Err.Number & " " & Err.Description
Err.Clear
Err.Number = 6
ShowResult Err.Number
On Error GoTo 0
ShowResult "On Error GoTo 0 clears: " & Err.Number
If Err Then ShowResult "no" Else ShowResult "Err's default member is Number"
x = 1 / 0
ShowResult "not reached"
