' Literal edges: a trailing & makes a hexadecimal literal a Long (one that fits an Integer stays one), a tiny
' exponent underflows to zero, and &h before a letter that is no hex digit is a concatenation.
Dim hi
ShowResult &hffff& & " " & &hfffe& & " " & &hffff
ShowResult VarType(&hffffffff&) & " " & &hffffffff& & " " & VarType(&hffff&) & " " & VarType(&hffff)
ShowResult &h7fffffff& & " " & &o177777& & " " & &hff& + 1
ShowResult 1e-94938484 & " " & TypeName(1e-94938484) & " " & 2.5E-400
hi = "y"
ShowResult "x" &hi
ShowResult "x" &hi& "z"
