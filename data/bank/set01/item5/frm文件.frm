VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "登录"
   ClientHeight    =   3195
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4680
   LinkTopic       =   "Form1"
   ScaleHeight     =   3195
   ScaleWidth      =   4680
   StartUpPosition =   3  '窗口缺省
   Begin VB.Label Label1 
      Caption         =   "用户名"
      Height          =   375
      Left            =   480
      TabIndex        =   3
      Top             =   480
      Width           =   855
   End
   Begin VB.Label Label2 
      Caption         =   "密码"
      Height          =   375
      Left            =   480
      TabIndex        =   4
      Top             =   1080
      Width           =   855
   End
   Begin VB.TextBox Text1 
      Height          =   375
      Left            =   1440
      TabIndex        =   0
      Text            =   ""
      Top             =   420
      Width           =   2415
   End
   Begin VB.TextBox Text2 
      Height          =   375
      Left            =   1440
      TabIndex        =   1
      Text            =   ""
      Top             =   1020
      Width           =   2415
   End
   Begin VB.CommandButton Command1 
      Caption         =   "登录"
      Height          =   495
      Left            =   1680
      TabIndex        =   2
      Top             =   1800
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
    If Text1.Text = "admin" And ? = "123456" Then
        ?
        Form1.Hide
    Else
        MsgBox "用户名或密码错误，请重新输入！"
        Text2.Text = ""
        Text2.SetFocus
    End If
End Sub
