' A For counter is a number even when the start, end and step are written as texts.
Dim i, n, seen
n = 0 : seen = ""
For i = "1" To "2" Step "1"
  n = n + 1
  seen = seen & i & ","
Next
ShowResult n & " " & seen & " " & i
n = 0
For i = "10" To 1 Step "-4.5"
  n = n + 1
Next
ShowResult n & " " & i
