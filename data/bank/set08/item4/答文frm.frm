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
      Caption         =   "查找"
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
    Dim a(1 To 40) As Integer, x As Integer, i As Integer, n As Integer
    Open App.Path & "\in.txt" For Input As #1
    n = 0
    For i = 1 To 40
        Input #1, x
        If x > 800 Then
            n = n + 1
            a(n) = x
        End If
    Next i
    Close #1
    putdata a, n
    MsgBox "共找到" & n & "个数"
End Sub
