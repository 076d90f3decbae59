' Sub and Function: ByRef by default, ByVal, parentheses that pass a value, Call, recursion, Exit.
Function Fact(n)
  If n <= 1 Then
    Fact = 1
    Exit Function
  End If
  Fact = n * Fact(n - 1)
End Function

Sub Bump(x)
  x = x + 1
End Sub

Sub BumpValue(ByVal x)
  x = x + 1
End Sub

Sub Swap(ByRef a, ByRef b)
  Dim t
  t = a : a = b : b = t
End Sub

Function Describe(ByVal v, label)
  label = label & "!"
  Describe = label & " " & TypeName(v)
End Function

Function NoArguments
  NoArguments = "bare call"
End Function

Sub EarlyExit(ByRef log)
  log = log & "a"
  If Len(log) > 0 Then Exit Sub
  log = log & "b"
End Sub

Function Fib(n)
  If n < 2 Then Fib = n Else Fib = Fib(n - 1) + Fib(n - 2)
End Function

Dim a, b, c, arr(2), label
ShowResult Fact(10) & " " & Fib(20)
a = 1
Bump a
ShowResult "byref " & a
BumpValue a
ShowResult "byval " & a
Bump (a)
ShowResult "parenthesised argument " & a
Call Bump(a)
ShowResult "call " & a
b = "x" : c = "y"
Swap b, c
ShowResult "swap " & b & c
arr(1) = 10
Bump arr(1)
ShowResult "array element " & arr(1)
label = "v"
ShowResult Describe(3.5, label) & " " & label
ShowResult NoArguments & " " & NoArguments()
label = ""
EarlyExit label
ShowResult "exit sub " & label
a = 5
Bump a + 0
ShowResult "expression argument " & a
ShowResult "function result unset: " & TypeName(Empty1())
Function Empty1()
End Function
Sub Later
  ShowResult "defined after its use"
End Sub
Later
On Error Resume Next
Bump
ShowResult Err.Number & " " & Err.Description
Err.Clear
x = Fact(1, 2)
ShowResult Err.Number
