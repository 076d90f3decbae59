' One million rounds of integer and string work: the script engine's speed figure.
Dim i, total, text, count
total = 0
count = 0
For i = 1 To 1000000
  total = (total + i * 3) Mod 1000003
  text = "n" & (i Mod 100)
  If Len(text) = 3 Then count = count + 1
Next
ShowResult total & " " & count
