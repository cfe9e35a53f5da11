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
   Begin VB.TextBox Text1 
      Height          =   375
      Left            =   1080
      TabIndex        =   1
      Text            =   ""
      Top             =   600
      Width           =   2535
   End
   Begin VB.CommandButton Command1 
      Caption         =   "计算"
      Height          =   495
      Left            =   1680
      TabIndex        =   0
      Top             =   1680
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
    Dim x As Integer, i As Integer, mx As Integer, mn As Integer
    mx = 0
    mn = 1000
    Open App.Path & "\in.txt" For Input As #1
    For i = 1 To 100
        Input #1, x
        If x Mod 2 = 0 Then
            If x > mx Then mx = x
        Else
            If x < mn Then mn = x
        End If
    Next i
    Close #1
    Text1.Text = mx - mn
    putdata mx - mn
End Sub
