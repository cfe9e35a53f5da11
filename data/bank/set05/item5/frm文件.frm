VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "成绩等级"
   ClientHeight    =   3195
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4680
   LinkTopic       =   "Form1"
   ScaleHeight     =   3195
   ScaleWidth      =   4680
   StartUpPosition =   3  '窗口缺省
   Begin VB.Label Label3 
      Caption         =   "成绩："
      Height          =   375
      Left            =   600
      TabIndex        =   4
      Top             =   660
      Width           =   735
   End
   Begin VB.TextBox Text1 
      Height          =   375
      Left            =   1440
      TabIndex        =   0
      Text            =   ""
      Top             =   600
      Width           =   1335
   End
   Begin VB.Label Label1 
      Alignment       =   2  'Center
      Caption         =   ""
      Height          =   375
      Left            =   1440
      TabIndex        =   3
      Top             =   1200
      Width           =   1335
   End
   Begin VB.CommandButton Command1 
      Caption         =   "判断"
      Height          =   495
      Left            =   960
      TabIndex        =   1
      Top             =   2040
      Width           =   1215
   End
   Begin VB.CommandButton Command2 
      Caption         =   "关于"
      Height          =   495
      Left            =   2520
      TabIndex        =   2
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

Private Sub Command1_Click()
    Dim x As Single
    x = Val(Text1.Text)
    Select Case ?
        Case Is >= 90
            Label1.Caption = "优秀"
        Case ?
            Label1.Caption = "及格"
        Case Else
            Label1.Caption = "不及格"
    End Select
End Sub

Private Sub Command2_Click()
    Form2.Show ?
End Sub
