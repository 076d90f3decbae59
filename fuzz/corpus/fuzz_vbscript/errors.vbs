On Error Resume Next
x = 1 / 0
Select Case Err.Number
Case 11: y = "div"
Case Else: y = "?"
End Select
Do While x < 10: x = x + 1: Loop
z = DateAdd("d", 1, #2024-02-28#) & FormatNumber(1234.5, 2)
