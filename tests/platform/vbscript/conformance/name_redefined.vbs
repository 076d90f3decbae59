' A variable declared twice at one level stops the text before anything runs.
ShowResult "never shown"
Dim x
Dim y, x
