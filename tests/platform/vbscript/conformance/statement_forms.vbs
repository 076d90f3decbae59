' Statement forms: a parenthesised name opening a statement is the name itself (its argument in parentheses
' goes by value, a plain one by reference), and a one-line If may share a procedure's last line with End Sub.
Sub Bump(v)
  v = v + 1
End Sub
Dim a
a = 1
(Bump)(a)
ShowResult "parenthesised argument stays " & a
(Bump) a
ShowResult "plain argument changes " & a
((Bump)) a
ShowResult "twice parenthesised " & a
Sub Check(n) If n > 1 Then ShowResult "big " & n End Sub
Check 2
Check 1
Sub CheckElse(n)
  ShowResult "checking " & n
  If n > 1 Then ShowResult "big" Else ShowResult "small " & n End Sub
CheckElse 0
CheckElse 5
' A value in parentheses may stand before a member, and a class's last member may share the class's End line.
Class Counter
  Public Sub S() : ShowResult "S of a new instance" : End Sub
  Public Function Twice(n) : Twice = n * 2 : End Function
End Class
Call (New Counter).S()
Call (New Counter).S
ShowResult "twice " & (New Counter).Twice(21)
Class PublicLine
Public x End Class
Class DimLine
Dim y End Class
Class FunctionLine
Function F : F = "one-line end" : x = 0 End Function End Class
Set o = New PublicLine
o.x = "public on the End line"
ShowResult o.x
Set o = New DimLine
o.y = "dim on the End line"
ShowResult o.y
ShowResult "" & (New FunctionLine).F
