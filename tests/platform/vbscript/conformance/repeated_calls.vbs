' The same call written once and run again and again (in a loop, at the same depth) finds the member of the
' instance it is given each time, fresh locals, no error trapping of an earlier call, and the caller's
' variables it was handed by reference.
Class Circle
  Public Function Describe(n)
    Describe = "circle " & n
  End Function
End Class
Class Square
  Public Function Describe(n)
    Describe = "square " & (n * n)
  End Function
End Class
Class Hidden
  Private Function Describe(n)
    Describe = "never"
  End Function
End Class
Class Valued
  Public Property Get Describe(n)
    Describe = "property " & n
  End Property
End Class
Class Redefined
  Public Function Describe(n)
    Describe = "first definition " & n
  End Function
End Class

Dim shapes, shape, i, text, early
shapes = Array(New Circle, New Square, New Circle, New Valued, New Square)
text = ""
For i = 0 To UBound(shapes)
  text = text & shapes(i).Describe(i) & "; "
Next
ShowResult text

' A class defined again: instances made before keep the first definition.
Set early = New Redefined
ExecuteGlobal "Class Redefined : Public Function Describe(n) : Describe = ""second definition "" & n : End Function : End Class"
For Each shape In Array(early, New Redefined, early)
  ShowResult shape.Describe(1)
Next

On Error Resume Next
text = "unchanged"
For Each shape In Array(New Circle, New Hidden, New Square)
  Err.Clear
  text = shape.Describe(2)
  ShowResult Err.Number & " " & text
Next
On Error GoTo 0

Class Counter
  Public Sub Bump(ByRef n)
    n = n + 1
  End Sub
  Public Sub Keep(ByVal n)
    n = n + 100
  End Sub
End Class
Dim c, total, values
Set c = New Counter
total = 0
values = Array(0, 0)
For i = 1 To 3
  c.Bump total
  c.Bump values(1)
  c.Keep total
  c.Bump (total)
  c.Bump total + 10
Next
ShowResult "by reference " & total & " " & values(0) & " " & values(1)

Class Memory
  Public Function Remember(value)
    Dim seen
    Remember = "had [" & seen & "] "
    seen = value
  End Function
End Class
Dim m
Set m = New Memory
ShowResult m.Remember("a") & m.Remember("b") & m.Remember("c")

' Execute adds a local to the call it runs in; the next call at that depth has only its own.
Sub AddsLocal
  Execute "made = 7"
  ShowResult "made in the call " & made
End Sub
Sub OneLocal
  Dim only
  ShowResult "one local [" & only & "]"
  only = "one"
End Sub
Sub ManyLocals
  Dim p, q, r
  p = 1 : q = 2 : r = 3
  ShowResult "locals " & p & q & r & " [" & made & "]"
End Sub
AddsLocal
OneLocal
AddsLocal
ManyLocals
OneLocal

Sub Tolerant
  On Error Resume Next
  Err.Raise 5
End Sub
Sub Strict
  Err.Raise 6
  ShowResult "strict went on"
End Sub
Tolerant
On Error Resume Next
Strict
ShowResult "after strict " & Err.Number
On Error GoTo 0

' A local holding the last reference ends with its call, and what its Class_Terminate calls runs then.
Class Noisy
  Public Label
  Sub Class_Terminate
    Report "end of " & Label
  End Sub
End Class
Sub Report(text)
  ShowResult text
End Sub
Function Work(label)
  Dim n
  Set n = New Noisy
  n.Label = label
  Work = "worked " & label
End Function
ShowResult Work("one")
ShowResult Work("two")

' The instance stays while its method runs, though the method lets go of the variable it was called through.
Class Dropper
  Public Name
  Public Function DropAndName()
    Set holder = Nothing
    DropAndName = Name & " still here"
  End Function
  Sub Class_Terminate
    ShowResult "dropper gone"
  End Sub
End Class
Dim holder
Set holder = New Dropper
holder.Name = "dropper"
ShowResult holder.DropAndName()
ShowResult "holder is nothing " & (holder Is Nothing)
