Class Counter
  Private m
  Public Property Get Value
    Value = m
  End Property
  Public Sub Add(n)
    m = m + n
  End Sub
End Class
Set c = New Counter
c.Add 5
x = c.Value
