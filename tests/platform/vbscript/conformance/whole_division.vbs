' Whole-number \ and Mod: truncation toward zero, the sign of Mod from the left side, the type kept, and -1 on
' the right of the smallest Long. Parentheses only group: the left value is taken before a call on the right.
Dim a, small, smallest, minus, word
a = 7 : small = 200 : minus = -1
smallest = -2147483647 - 1
ShowResult (-a \ 2) & " " & (a \ -2) & " " & (a Mod -3) & " " & (-a Mod -3) & " " & (-a Mod 3)
ShowResult TypeName(small \ a) & " " & TypeName(small Mod minus) & " " & (small Mod minus) & " " & (small \ minus)
ShowResult TypeName(smallest) & " " & (smallest Mod minus) & " " & TypeName(smallest Mod minus) & " " & (smallest Mod 10)
ShowResult ((a)) * ((a + 1) \ (2)) & " " & (((a) Mod 4) + (a \ 4))
word = "before"
Function Rewrite()
  word = "after"
  Rewrite = "!"
End Function
ShowResult (word) & Rewrite() & " " & word
