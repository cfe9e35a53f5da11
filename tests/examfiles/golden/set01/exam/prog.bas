Attribute VB_Name = "Module1"

Sub putdata(ByVal a As Integer)
    Dim sFile As String
    sFile = "\result.txt"
    Open App.Path & sFile For Output As #1
    Print #1, a;
    Close #1
End Sub

