' >< is another spelling of <> (as => and =< are of >= and <=); a sign binds tighter than ^.
ShowResult (2 >< 1) & " " & (2 >< 2) & " " & (3 => 3) & " " & (3 =< 2)
ShowResult -3^2 & " " & -2 ^ 3 & " " & 10 - 3 ^ 2 & " " & 2 ^ -1 & " " & -(3 ^ 2)
Dim x
x = 3
ShowResult -x^2 & " " & 2 * -x ^ 2
