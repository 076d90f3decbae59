' Calendar arithmetic: month ends, leap years, boundaries counted by DateDiff, weeks, serials out of range.
ShowResult DateAdd("m", 1, #1/31/2026#) & " " & DateAdd("m", 1, #1/31/2024#) & " " & DateAdd("yyyy", 1, #2/29/2024#)
ShowResult DateAdd("q", -1, #5/31/2026#) & " " & DateAdd("d", -1, #3/1/2024#) & " " & DateAdd("ww", 2, #12/25/2026#)
ShowResult DateAdd("h", 25, #12/31/2026 11:00:00 PM#) & "|" & DateAdd("n", -30, #1/1/2027#)
ShowResult DateDiff("d", #1/1/2026 11:00:00 PM#, #1/2/2026 1:00:00 AM#) & " " & DateDiff("yyyy", #12/31/2025#, #1/1/2026#) & " " & DateDiff("m", #3/31/2026#, #1/1/2026#) & " " & DateDiff("h", #1:59:00 AM#, #2:00:00 AM#)
ShowResult DateDiff("ww", #12/5/2026#, #12/6/2026#) & " " & DateDiff("ww", #12/5/2026#, #12/6/2026#, vbMonday) & " " & DateDiff("w", #12/7/2026#, #12/20/2026#)
ShowResult DatePart("y", #12/7/2026#) & " " & DatePart("q", #12/7/2026#) & " " & DatePart("w", #12/7/2026#) & " " & DatePart("w", #12/7/2026#, vbMonday) & " " & DatePart("ww", #1/4/2026#) & " " & DatePart("ww", #1/4/2026#, vbMonday, vbFirstFourDays)
ShowResult DateSerial(2026, 13, 1) & " " & DateSerial(2026, 3, 0) & " " & DateSerial(2026, -1, 1) & " " & DateSerial(26, 1, 1) & " " & DateSerial(99, 12, 31)
ShowResult TimeSerial(14, 90, 0) & "|" & TimeSerial(0, 0, 59) & "|" & TimeValue("10:30 PM") & "|" & DateValue("Dec 7, 2026")
ShowResult Weekday(#12/7/2026#) & " " & WeekdayName(Weekday(#12/7/2026#)) & " " & MonthName(2) & " " & MonthName(9, True) & " " & WeekdayName(1, True, vbMonday)
ShowResult Year("Dec 7, 2026") & " " & Month(#12/7/2026#) & " " & Day(#12/7/2026#) & " " & Hour(#10:05:09 PM#) & " " & Minute(#10:05:09 PM#) & " " & Second(#10:05:09 PM#)
ShowResult CStr(IsNull(Year(Null))) & " " & CStr(Date = Int(Now))
On Error Resume Next
Dim x
x = DateAdd("x", 1, Date)
ShowResult Err.Number
Err.Clear
x = DateSerial(10000, 1, 1)
ShowResult Err.Number
Err.Clear
x = MonthName(13)
ShowResult Err.Number
Err.Clear
x = CDate("not a date")
ShowResult Err.Number
