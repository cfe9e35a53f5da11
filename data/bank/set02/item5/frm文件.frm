VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "分段统计"
   ClientHeight    =   3195
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4830
   LinkTopic       =   "Form1"
   ScaleHeight     =   3195
   ScaleWidth      =   4830
   StartUpPosition =   3  '窗口缺省
   Begin VB.ListBox List1 
      Height          =   2400
      Left            =   360
      TabIndex        =   3
      Top             =   360
      Width           =   2535
   End
   Begin VB.CommandButton Command1 
      Caption         =   "读入数据"
      Height          =   495
      Left            =   3240
      TabIndex        =   0
      Top             =   360
      Width           =   1335
   End
   Begin VB.CommandButton Command2 
      Caption         =   "Command2"
      Height          =   495
      Left            =   3240
      TabIndex        =   1
      Top             =   1320
      Width           =   1335
   End
   Begin VB.CommandButton Command3 
      Caption         =   "存盘"
      Height          =   495
      Left            =   3240
      TabIndex        =   2
      Top             =   2280
      Width           =   1335
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Dim a(1 To 100) As Integer
Dim c(0 To 9) As Integer

Private Sub Command1_Click()
    Dim i As Integer
    Open App.Path & "\in.txt" For Input As #1
    For i = 1 To 100
        Input #1, a(i)
    Next i
    Close #1
    List1.Clear
    List1.AddItem "已读入100个数"
End Sub

Private Sub Command2_Click()
    Dim i As Integer, k As Integer
    For i = 0 To 9
        c(i) = 0
    Next i
    For i = 1 To 100
        k = a(i) \ ?
        c(k) = ?
    Next i
    List1.Clear
    For i = 0 To 9
        List1.AddItem i * 100 & "-" & i * 100 + 99 & "：" & c(i)
    Next i
End Sub

Private Sub Command3_Click()
    Dim i As Integer
    Open App.Path & "\out5.txt" For Output As #2
    For i = 0 To 9
        Print #2, ?
    Next i
    Close #2
End Sub
