VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "素数统计"
   ClientHeight    =   3195
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4680
   LinkTopic       =   "Form1"
   ScaleHeight     =   3195
   ScaleWidth      =   4680
   StartUpPosition =   3  '窗口缺省
   Begin VB.Label Label1 
      Caption         =   "素数个数"
      Height          =   375
      Left            =   480
      TabIndex        =   4
      Top             =   540
      Width           =   975
   End
   Begin VB.Label Label2 
      Caption         =   "素数之和"
      Height          =   375
      Left            =   480
      TabIndex        =   5
      Top             =   1140
      Width           =   975
   End
   Begin VB.TextBox Text1 
      Height          =   375
      Left            =   1560
      Locked          =   -1  'True
      TabIndex        =   2
      Text            =   ""
      Top             =   480
      Width           =   1695
   End
   Begin VB.TextBox Text2 
      Height          =   375
      Left            =   1560
      Locked          =   -1  'True
      TabIndex        =   3
      Text            =   ""
      Top             =   1080
      Width           =   1695
   End
   Begin VB.CommandButton Command1 
      Caption         =   "读入"
      Height          =   495
      Left            =   720
      TabIndex        =   0
      Top             =   2040
      Width           =   1215
   End
   Begin VB.CommandButton Command2 
      Caption         =   "计算"
      Height          =   495
      Left            =   2520
      TabIndex        =   1
      Top             =   2040
      Width           =   1215
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
    MsgBox "数据已读入"
End Sub

Private Sub Command2_Click()
    Dim i As Integer, n As Integer, s As Long
    n = 0
    s = 0
    For i = 1 To 100
        If isprime(a(i)) Then
            n = n + 1
            s = s + a(i)
        End If
    Next i
    Text1.Text = n
    Text2.Text = s
    putdata "out5.txt", s
End Sub
