VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   3195
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4680
   LinkTopic       =   "Form1"
   ScaleHeight     =   3195
   ScaleWidth      =   4680
   StartUpPosition =   3  '窗口缺省
   Begin VB.CommandButton Command1 
      Caption         =   "排序"
      Height          =   495
      Left            =   1680
      TabIndex        =   0
      Top             =   1320
      Width           =   1215
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Command1_Click()
    Dim a(1 To 100) As Integer
    Dim i As Integer, j As Integer, t As Integer
    Open App.Path & "\in.txt" For Input As #1
    For i = 1 To 100
        Input #1, a(i)
    Next i
    Close #1
    For i = 1 To 99
        For j = 1 To 100 - i
            If a(j) > a(j + 1) Then
                t = a(j): a(j) = a(j + 1): a(j + 1) = t
            End If
        Next j
    Next i
    Open App.Path & "\out3.txt" For Output As #2
    For i = 1 To 100
        Print #2, a(i)
    Next i
    Close #2
    MsgBox "排序完成"
End Sub
