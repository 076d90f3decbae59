' Declared twice inside one procedure, even in different blocks: the same compile error.
ShowResult "never shown"
Sub Twice(a)
  Dim b
  If a Then
    Dim b
  End If
End Sub
