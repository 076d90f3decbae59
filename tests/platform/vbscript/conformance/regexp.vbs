' RegExp: the object and its switches, Test, Replace with its $ forms, Execute with Matches, Match and
' SubMatches (default members, For Each), the pattern rules of the language, and a refused pattern.
Set re = New RegExp
ShowResult TypeName(re) & " [" & re.Pattern & "] " & re.IgnoreCase & " " & re.Global & " " & re.Multiline
re.Pattern = "^[\w.+-]+@[\w-]+(\.[\w-]+)+$"
ShowResult re.Test("ann.smith@example.co.uk") & " " & re.Test("not an address") & " " & re.Test("a@b")
re.Pattern = "^[A-Z]{1,2}\d[A-Z\d]? ?\d[A-Z]{2}$"
ShowResult "postcode " & re.Test("sw1a 1aa")
re.IgnoreCase = True
ShowResult "ignoring case " & re.Test("sw1a 1aa") & " " & re.IgnoreCase
re.Pattern = "ÉCOLE"
ShowResult "accents " & re.Test("l'école")

Set r = CreateObject("VBScript.RegExp")
r.Pattern = "(\w+)@(\w+)"
ShowResult r.Replace("ann@home bob@work", "$2:$1")
r.Global = True
ShowResult r.Replace("ann@home bob@work", "$2:$1")
ShowResult r.Replace("ann@home", "[$&] [$$] [$`] [$'] [$3] [$0] [$10] [$]")
ShowResult r.Replace("x ann@home y", "<$`|$'>")
r.Pattern = "\D"
ShowResult "phone " & r.Replace("(020) 7946-0958", "")
r.Pattern = "x*"
ShowResult r.Replace("abc", "-")
ShowResult r.Replace("no match here", "")

Set re2 = New RegExp
re2.Pattern = "(\d+)-(\d+)?"
re2.Global = True
Set ms = re2.Execute("10-20, 30-, x")
ShowResult ms.Count & " " & TypeName(ms) & " " & TypeName(ms(0)) & " " & TypeName(ms(0).SubMatches)
For Each m In ms
  ShowResult m.FirstIndex & " " & m.Length & " [" & m.Value & "] " & m.SubMatches.Count & " " & _
    m.SubMatches(0) & " " & TypeName(m.SubMatches(1))
Next
ShowResult ms(1).Value & " " & ms.Item(0).SubMatches.Item(1) & " " & ms(0)
For Each s In ms(0).SubMatches
  ShowResult "sub " & s
Next
re2.Global = False
ShowResult "first only " & re2.Execute("1-2 3-4").Count & " " & re2.Execute("none").Count

Set ml = New RegExp
ml.Pattern = "^\w+$"
ml.Global = True
text = "one" & vbCrLf & "two" & vbLf & "three"
ShowResult "lines " & ml.Execute(text).Count
ml.Multiline = True
ShowResult "multiline " & ml.Execute(text).Count & " " & ml.Execute(text)(2)
ml.Multiline = False
ml.Pattern = "c$"
ShowResult "end " & ml.Test("abc" & vbLf) & " " & ml.Test("abc")
ml.Pattern = "a.c"
ShowResult "dot " & ml.Test("a" & vbCr & "c") & " " & ml.Test("a-c")
ml.Pattern = "\u00e9\x41\A\][[:]"
ShowResult "escapes " & ml.Test("éAA]:")
ml.Pattern = "[]"
t = ml.Test("a")
ml.Pattern = "a[^]b"
ShowResult "classes " & t & " " & ml.Test("a" & vbLf & "b")

On Error Resume Next
ml.Pattern = "(unclosed"
x = ml.Test("x")
ShowResult Err.Number & " " & Err.Description
Err.Clear
x = ms(0).SubMatches(5)
ShowResult Err.Number
Err.Clear
ms.Count = 3
ShowResult Err.Number
Err.Clear
Set d = CreateObject("Scripting.Dictionary")
ShowResult Err.Number
