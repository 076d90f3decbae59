' Arrays from texts and back: Split limits and compare modes, empty results, Join and Filter, bounds.
Dim parts : parts = Split("a b  c")
ShowResult UBound(parts) & " [" & Join(parts, "|") & "]"
parts = Split("a,b,c,d", ",", 2)
ShowResult UBound(parts) & " " & parts(1)
ShowResult Join(Split("aXbxc", "x", -1, vbTextCompare), "+") & " " & UBound(Split("")) & " " & LBound(Split("")) & " " & UBound(Split("abc", ""))
Dim fruit : fruit = Array("apple", 2, True, "Pear")
ShowResult Join(fruit) & "|" & Join(fruit, "")
ShowResult Join(Filter(fruit, "p")) & "|" & Join(Filter(fruit, "p", True, vbTextCompare)) & "|" & Join(Filter(fruit, "p", False)) & "|" & UBound(Filter(fruit, "zzz"))
Dim grid(2, 4)
ShowResult UBound(grid) & " " & UBound(grid, 2) & " " & LBound(grid, 2)
ShowResult UBound(Array()) & " " & TypeName(Array()) & " " & VarType(Array(1)) & " " & CStr(IsArray(fruit))
On Error Resume Next
Dim x
x = UBound(grid, 3)
ShowResult Err.Number
Err.Clear
x = LBound("x")
ShowResult Err.Number
Err.Clear
x = Join("a b")
ShowResult Err.Number
Err.Clear
x = Split("a", ",", -2)
ShowResult Err.Number
