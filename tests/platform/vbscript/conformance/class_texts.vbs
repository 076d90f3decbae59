' A class defined by ExecuteGlobal is there for New afterwards; Eval and Execute inside a method see the
' instance's members, private ones too, and Me.
ExecuteGlobal "Class Late : Public Value : Public Function Doubled : Doubled = Value * 2 : End Function : End Class"
Dim o
Set o = New Late
o.Value = 21
ShowResult o.Doubled & " " & TypeName(o)
Class Inner
  Private secret
  Public Sub Run
    secret = "hidden"
    ShowResult Eval("secret & "" "" & TypeName(Me)")
    Execute "secret = UCase(secret)"
    ShowResult secret
  End Sub
End Class
Set o = New Inner
o.Run
