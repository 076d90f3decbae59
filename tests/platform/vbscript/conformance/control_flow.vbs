' Control flow: If in both forms, Select Case, the loops and their Exit statements.
Dim i, j, s, n
For n = 1 To 4
  If n = 1 Then
    s = "one"
  ElseIf n = 2 Then
    s = "two"
  ElseIf n > 3 Then
    s = "many"
  Else
    s = "three"
  End If
  ShowResult n & " " & s
Next
If n = 5 Then ShowResult "after the loop n is " & n Else ShowResult "wrong"
If n = 0 Then ShowResult "no" Else If n = 5 Then ShowResult "nested single-line" Else ShowResult "no"
If True Then s = "a" : s = s & "b" : ShowResult s
For Each n In Array(1, 5, 7, 12, 40)
  Select Case n
    Case 1, 2
      s = "small"
    Case 5 To 9
      s = "middle"
    Case Is >= 40
      s = "large"
    Case Else
      s = "other"
  End Select
  ShowResult n & " " & s
Next
For Each s In Array("b", "x")
  Select Case s
    Case "a", "b" : ShowResult s & " listed"
    Case Else : ShowResult s & " else"
  End Select
Next
s = ""
For i = 10 To 1 Step -3 : s = s & i & " " : Next
ShowResult s & "| " & i
s = ""
For i = 1 To 2 Step 0.5 : s = s & i & " " : Next
ShowResult s
s = ""
For i = 5 To 1 : s = s & i : Next
ShowResult "[" & s & "] " & i
s = ""
For i = 1 To 3
  For j = 1 To 3
    If j = 2 Then Exit For
    s = s & i & j & " "
  Next
Next
ShowResult s
i = 0
Do While i < 3 : i = i + 1 : Loop
ShowResult "do while " & i
Do Until i = 0 : i = i - 1 : Loop
ShowResult "do until " & i
Do : i = i + 1 : Loop While i < 0
ShowResult "loop while runs once " & i
Do
  i = i + 1
  If i >= 5 Then Exit Do
Loop Until False
ShowResult "exit do " & i
While i > 2 : i = i - 1 : Wend
ShowResult "wend " & i
i = 0
Do
  i = i + 1
Loop Until i * i > 50
ShowResult "loop until " & i
For i = 1 To 3
  i = i + 1
Next
ShowResult "counter changed in the body " & i
