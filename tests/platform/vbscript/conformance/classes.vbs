' Classes: variables, properties with Get, Let and Exit Property, methods, Me, New, Set, Is and Nothing;
' Class_Initialize runs at New and Class_Terminate when the last reference goes, the end of the run included.
Class Counter
  Private m_count
  Public Name
  Private Sub Class_Initialize
    m_count = 0
    Name = "unnamed"
    ShowResult "initialize"
  End Sub
  Private Sub Class_Terminate
    ShowResult "terminate " & Name
  End Sub
  Public Property Get Count
    Count = m_count
  End Property
  Public Property Let Count(value)
    If value < 0 Then Exit Property
    m_count = value
  End Property
  Public Sub Add(n)
    m_count = m_count + n
  End Sub
  Public Function Twice()
    Twice = Me.Count * 2
  End Function
  Public Function Self()
    Set Self = Me
  End Function
  Function Factorial(n)
    If n <= 1 Then Factorial = 1 Else Factorial = n * Factorial(n - 1)
  End Function
End Class

Dim c, d, kept
Set c = New Counter
c.Name = "first"
c.Add 3
c.Count = c.Count + 1
c.Count = -5
ShowResult c.Name & " " & c.Count & " " & c.Twice() & " " & TypeName(c) & " " & VarType(c) & " " & c.Factorial(5)
Set d = c
ShowResult (d Is c) & " " & (c.Self() Is c) & " " & (d Is Nothing) & " " & IsObject(d)
Set c = Nothing
ShowResult "one reference left"
Set d = Nothing
ShowResult "none left " & (d Is Nothing) & " " & TypeName(d)
With New Counter
  .Name = "with"
  .Add 2
  ShowResult .Name & " " & .Count
End With
ShowResult "after With"
Class Faulty
  Private Sub Class_Terminate
    ShowResult "terminate starts"
    Dim z
    z = 1 / 0
    ShowResult "never"
  End Sub
End Class
Set d = New Faulty
Set d = Nothing
ShowResult "an error ends only Class_Terminate " & Err.Number
Set kept = New Counter
kept.Name = "kept to the end"
ShowResult "last statement"
