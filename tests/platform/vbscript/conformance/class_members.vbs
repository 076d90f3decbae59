' Class members: a default property with arguments, Property Set, arrays inside instances and arrays of
' instances, objects passed ByRef and ByVal, private members, and the errors of using members wrongly.
Class Bag
  Private items()
  Private count
  Private Sub Class_Initialize
    ReDim items(-1)
    count = 0
  End Sub
  Public Default Property Get Item(i)
    Item = items(i)
  End Property
  Public Property Let Item(i, value)
    items(i) = value
  End Property
  Public Sub Push(value)
    ReDim Preserve items(count)
    items(count) = value
    count = count + 1
  End Sub
  Public Property Get Size
    Size = count
  End Property
End Class

Class Point
  Public X, Y
  Dim Grid(2)
End Class

Class Holder
  Private m_held
  Public Property Set Held(value)
    Set m_held = value
  End Property
  Public Property Get Held
    Set Held = m_held
  End Property
End Class

Class Named
  Public Default Property Get Text
    Text = "named text"
  End Property
End Class

Function MakePoint(x, y)
  Set MakePoint = New Point
  MakePoint.X = x
  MakePoint.Y = y
End Function

Sub Replace(p)
  Set p = MakePoint(9, 9)
End Sub

Sub ChangeByVal(ByVal p)
  p.X = 100
  Set p = Nothing
End Sub

Dim b, points(2), i, p, h, n, x
Set b = New Bag
b.Push "a"
b.Push "b"
b(1) = "B"
ShowResult b(0) & b(1) & " " & b.Size & " " & b.Item(1)
Set h = New Named
ShowResult "default " & h & " " & UCase(h)
For i = 0 To 2
  Set points(i) = MakePoint(i, i * i)
Next
ShowResult points(2).X & "," & points(2).Y
points(1).Grid(2) = "cell"
ShowResult "grid " & points(1).Grid(2) & " " & UBound(points(1).Grid) & " " & IsEmpty(points(0).Grid(2))
Set p = points(0)
ChangeByVal p
ShowResult "ByVal " & p.X & " " & (p Is points(0))
Replace p
ShowResult "ByRef " & p.X & " " & (p Is points(0))
Set h = New Holder
Set h.Held = points(2)
ShowResult "held " & h.Held.Y & " " & (h.Held Is points(2))

On Error Resume Next
Set n = Nothing
ShowResult n.X
ShowResult "member of Nothing " & Err.Number & " " & Err.Description
Err.Clear
Set n = New Undefined
ShowResult "undefined class " & Err.Number
Err.Clear
p.Missing = 1
ShowResult "no such member " & Err.Number
Err.Clear
b.count = 5
ShowResult "private member " & Err.Number & " " & b.Size
Err.Clear
x = p
ShowResult "no default member " & Err.Number
Err.Clear
h.Held = 5
ShowResult "Let on a Set-only property " & Err.Number
Err.Clear
ShowResult b(7)
ShowResult "inside a property " & Err.Number
