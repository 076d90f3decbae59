' With ... End With: a leading point names a member of the With object, which is taken once; blocks nest,
' leaving one early (Exit, an error) lets go of its object, and a member of a With on Nothing needs an object.
Dim taken, i, outer
Function Pick()
  taken = taken + 1
  Set Pick = Err
End Function

On Error Resume Next
With Err
  .Raise 5
  ShowResult .Number & " " & .Description
  .Clear
  .Number = 9
  ShowResult .Number & " " & .Description & "|"
End With
Err.Clear
taken = 0
With Pick()
  For i = 1 To 3
    .Number = i
  Next
  ShowResult "taken once: " & taken & " number " & .Number
End With
Err.Clear
For i = 1 To 2
  With Err
    .Number = 40 + i
    If i = 1 Then Exit For
  End With
Next
ShowResult "left by Exit For at " & i & " " & Err.Number
Sub InProcedure(value)
  With Err
    .Number = value
    ShowResult "in a procedure " & .Number
  End With
End Sub
InProcedure 77
Err.Clear
With Nothing
  ShowResult "entered"
  outer = .Number
  ShowResult "member of Nothing: " & Err.Number
End With
On Error GoTo 0
With Err
  .Raise 11
End With
