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
   Begin VB.Label Label1 
      Caption         =   ""
      Height          =   615
      Left            =   360
      TabIndex        =   1
      Top             =   600
      Width           =   3975
   End
   Begin VB.CommandButton Command1 
      Caption         =   "返回"
      Height          =   495
      Left            =   1680
      TabIndex        =   0
      Top             =   1920
      Width           =   1215
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Form_Load()
    Label1.Caption = "你好，" & ?
End Sub

Private Sub Command1_Click()
    ?
    Unload Me
End Sub
