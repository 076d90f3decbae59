' One million calls of a class instance's method, each passing a computed value: the speed of the
' script's own objects.
Class Accumulator
  Private total
  Public Sub Add(n)
    total = (total + n) Mod 1000003
  End Sub
  Public Property Get Value
    Value = total
  End Property
End Class
Dim sum, i
Set sum = New Accumulator
For i = 1 To 1000000
  sum.Add i * 3
Next
ShowResult sum.Value
