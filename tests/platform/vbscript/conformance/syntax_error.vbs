ShowResult "a syntax error stops the whole text before anything runs"
If True Then
  ShowResult "inside"
ShowResult "no End If"
