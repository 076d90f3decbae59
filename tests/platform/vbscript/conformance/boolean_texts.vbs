' The texts "#TRUE#" and "#FALSE#" convert to True and False wherever a Boolean is wanted.
Dim hits
hits = ""
If "#TRUE#" Then hits = hits & "a"
If "#FALSE#" Then hits = hits & "b" Else hits = hits & "c"
If Not "#FALSE#" Then hits = hits & "d"
If "#true#" Then hits = hits & "e"
ShowResult hits
ShowResult CBool("#TRUE#") & " " & CBool("#FALSE#") & " " & (Not "#TRUE#") & " " & ("#TRUE#" And True)
On Error Resume Next
ShowResult CBool("#maybe#")
ShowResult Err.Number
