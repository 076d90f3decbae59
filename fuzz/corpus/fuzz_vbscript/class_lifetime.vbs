Dim saved, log
Class Node
  Public Other, Tag
  Public Default Property Get Text
    Text = "node " & Tag
  End Property
  Public Property Let Text(v)
    Tag = v
  End Property
  Function Hook()
    Set Hook = GetRef("Touch")
  End Function
  Sub Touch(ByRef n)
    n = n + 1
  End Sub
  Sub Class_Terminate
    log = log & Tag
    If Tag = "keep" Then Set saved = Me
  End Sub
End Class
Set a = New Node
Set b = New Node
Set a.Other = b
Set b.Other = a
a.Text = "keep"
Set f = a.Hook()
f count
Set a = Nothing
With New Node
  .Tag = "with"
  log = log & .Text
End With
Set b = Nothing
