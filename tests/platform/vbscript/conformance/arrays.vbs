' Arrays: Array(), fixed and dynamic arrays, several dimensions, ReDim Preserve, Erase, For Each, copies.
Dim a, b(3), m(2, 3), d(), i, s, x
a = Array(10, "twenty", 30.5)
ShowResult UBound(a) & " " & LBound(a) & " " & a(1) & " " & TypeName(a) & " " & IsArray(a)
b(0) = 1 : b(3) = 4
ShowResult UBound(b) & " " & b(0) & b(3) & "[" & b(1) & "]"
For i = 0 To 2
  m(i, 3) = i * 10
Next
ShowResult UBound(m, 1) & " " & UBound(m, 2) & " " & m(2, 3)
ReDim d(2)
d(0) = "p" : d(2) = "r"
ReDim Preserve d(4)
ShowResult UBound(d) & " " & d(0) & d(2) & "[" & d(4) & "]"
ReDim Preserve d(1)
ShowResult UBound(d) & " " & d(0)
ReDim d(1)
ShowResult "after ReDim [" & d(0) & "]"
s = ""
For Each x In Array("a", "b", "c")
  s = s & x
Next
ShowResult s
x = a
x(0) = 99
ShowResult "copy " & a(0) & " " & x(0)
Erase b
ShowResult "erase fixed " & UBound(b) & "[" & b(3) & "]"
ReDim m2(1, 1)
m2(1, 1) = "corner"
ReDim Preserve m2(1, 3)
ShowResult m2(1, 1) & " " & UBound(m2, 2)
On Error Resume Next
x = a(5)
ShowResult Err.Number & " " & Err.Description
Err.Clear
ReDim b(5)
ShowResult Err.Number & " " & Err.Description
Err.Clear
Erase d
x = UBound(d)
ShowResult "erased dynamic " & Err.Number
Err.Clear
ReDim Preserve m2(2, 3)
ShowResult Err.Number
Err.Clear
x = m(1)
ShowResult Err.Number
