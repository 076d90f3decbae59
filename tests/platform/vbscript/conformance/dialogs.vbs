' MsgBox and InputBox on the console: MsgBox prints its text and answers with its default button, InputBox
' prints its prompt and reads a line, the end of the input answering as Cancel does.
MsgBox 5
MsgBox "hi"
r = MsgBox("hi")
ShowResult r & " " & (r = vbOK) & " " & TypeName(r)
ShowResult MsgBox("Delete?", vbYesNo + vbQuestion, "Stock")
ShowResult MsgBox("Keep?", vbYesNo + vbDefaultButton2)
name = InputBox("Your name?", "Customer", "Ann")
ShowResult "[" & name & "]"
