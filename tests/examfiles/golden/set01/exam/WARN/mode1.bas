Attribute VB_Name = "Module1"

Sub putdata(a() As Integer, n As Integer)
    Dim sFile As String
    sFile = "\out.txt"
    Open App.Path & sFile For Output As #1
    For i = 1 To n
    Print #1, a(i);
    Next
    Close #1
End Sub

