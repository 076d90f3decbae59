' Eval, Execute and ExecuteGlobal run text in the running script: Eval and Execute see the scope they are
' called from, ExecuteGlobal the global one; GetRef hands out a procedure to call later.
Dim x, y, f, total
x = 6
ShowResult Eval("x * 7") & " " & Eval("x = 6") & " " & TypeName(Eval("x & """""))
Execute "y = x + 1 : ShowResult ""executed "" & y"
ShowResult "y is global " & y
Execute "Sub Defined(n)" & vbCrLf & "  ShowResult ""defined by Execute "" & n" & vbCrLf & "End Sub"
Defined 3
Sub Scoped
  Dim x
  x = "local"
  ShowResult Eval("x") & " " & Eval("Len(x)")
  Execute "x = x & "" changed"" : made = ""made here"""
  ShowResult x & " / " & made
  ExecuteGlobal "x = ""global changed"""
  ShowResult x
End Sub
Scoped
ShowResult x
ExecuteGlobal "Function Square(n) : Square = n * n : End Function"
ShowResult Square(9)
Function Add(a, b)
  Add = a + b
End Function
Set f = GetRef("Add")
ShowResult f(2, 3) & " " & TypeName(f) & " " & IsObject(f)
total = 0
Sub Accumulate(n)
  total = total + n
End Sub
Set f = GetRef("accumulate")
f 5
Call f(6)
ShowResult "total " & total
On Error Resume Next
x = Eval("1 +")
ShowResult Err.Number & " " & Err.Description
Err.Clear
Execute "If True Then"
ShowResult Err.Number & " " & Err.Description
Err.Clear
Set f = GetRef("NoSuchProcedure")
ShowResult Err.Number
Err.Clear
x = Eval("CreateObject(""Scripting.FileSystemObject"")")
ShowResult Err.Number
Err.Clear
Execute "For Each z In 5 : Next"
ShowResult Err.Number
On Error GoTo 0
Execute "x = 1 / 0"
