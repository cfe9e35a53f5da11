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
      Left            =   480
      TabIndex        =   2
      Text            =   ""
      Top             =   480
      Width           =   3615
   End
   Begin VB.CommandButton Command1 
      Caption         =   "读数"
      Height          =   495
      Left            =   480
      TabIndex        =   0
      Top             =   1560
      Width           =   1455
   End
   Begin VB.CommandButton Command2 
      Caption         =   "求最大值"
      Height          =   495
      Left            =   2640
      TabIndex        =   1
      Top             =   1560
      Width           =   1455
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Dim a(1 To 100) As Integer

Private Sub Command1_Click()
    Dim i As Integer
    Open App.Path & "\in.txt" For Input As #1
    For i = 1 To 100
        Input #1, a(i)
    Next i
    Close #1
    Text1.Text = "数据已读入"
End Sub

Private Sub Command2_Click()
    Dim i As Integer, j As Integer, m As Integer
    Open App.Path & "\out4.txt" For Output As #2
    For i = 1 To 5
        m = a((i - 1) * 20 + 1)
        For j = 2 To 20
            If a((i - 1) * 20 + j) > m Then
                m = a((i - 1) * 20 + j)
            End If
        Next j
        Print #2, m
    Next i
    Close #2
    Text1.Text = "结果已存入out4.txt"
End Sub
