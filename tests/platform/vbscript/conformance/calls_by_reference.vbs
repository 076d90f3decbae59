' A procedure reached through an object (GetRef, an instance's method) takes the caller's variables by
' reference as a direct call does; a value in parentheses, an expression or a ByVal parameter stays a copy.
Function Inc(ByRef n)
  n = n + 1
  Inc = n
End Function
Sub Twice(ByVal n, ByRef result)
  n = n * 2
  result = n
End Sub
Dim a, b, f, g, arr
a = 1
Set f = GetRef("Inc")
f a
ShowResult "GetRef statement " & a
Call f(a)
ShowResult "GetRef Call " & a
ShowResult "in an expression " & f(a) & " " & a
f (a)
Call f((a))
ShowResult "in parentheses " & a
f a + 1
ShowResult "an expression " & a
Set g = GetRef("Twice")
g a, b
ShowResult "ByVal and ByRef " & a & " " & b
arr = Array(10, 20)
f arr(1)
ShowResult "an element " & arr(1)
Class Adder
  Public Total
  Public Sub AddTo(ByRef sum, ByVal n)
    sum = sum + n
    n = 0
  End Sub
  Public Function Hook()
    Set Hook = GetRef("Remember")
  End Function
  Private Sub Remember(ByRef value)
    Total = Total + value
    value = "remembered"
  End Sub
End Class
Dim adder, hook, t, n
Set adder = New Adder
t = 1
n = 5
adder.AddTo t, n
ShowResult "method " & t & " " & n
Call adder.AddTo(t, 1)
ShowResult "method Call " & t
adder.AddTo (t), 1
ShowResult "method in parentheses " & t
With adder
  .AddTo t, 10
End With
ShowResult "With member " & t
adder.AddTo adder.Total, 3
ShowResult "a property is a value " & adder.Total
Set hook = adder.Hook()
Set adder = Nothing
hook t
ShowResult "method by GetRef " & t
