VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "分组求和"
   ClientHeight    =   3195
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4680
   LinkTopic       =   "Form1"
   ScaleHeight     =   3195
   ScaleWidth      =   4680
   StartUpPosition =   3  '窗口缺省
   Begin VB.ListBox List1 
      Height          =   2400
      Left            =   360
      TabIndex        =   1
      Top             =   360
      Width           =   2175
   End
   Begin VB.CommandButton Command1 
      Caption         =   "计算并存盘"
      Height          =   495
      Left            =   2880
      TabIndex        =   0
      Top             =   1200
      Width           =   1575
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
    Dim i As Integer, j As Integer, s As Integer
    Open App.Path & "\datain1.txt" For Input As #1
    For i = 1 To 100
        Input #1, a(i)
    Next i
    Close #1
    List1.Clear
    Open App.Path & "\out.txt" For Output As #2
    For i = 1 To 10
        s = 0
        For j = 1 To 10
            s = s + a((i - 1) * 10 + j)
        Next j
        Print #2, s
        List1.AddItem s
    Next i
    Close #2
End Sub
