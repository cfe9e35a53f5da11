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
      Caption         =   "欢迎参加考试"
      Height          =   495
      Left            =   720
      TabIndex        =   2
      Top             =   480
      Width           =   3135
   End
   Begin VB.CheckBox Check1 
      Caption         =   "粗体"
      Height          =   375
      Left            =   840
      TabIndex        =   0
      Top             =   1560
      Width           =   1095
   End
   Begin VB.CheckBox Check2 
      Caption         =   "斜体"
      Height          =   375
      Left            =   2520
      TabIndex        =   1
      Top             =   1560
      Width           =   1095
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Check1_Click()
    If Check1.Value = 1 Then
        Label1.FontBold = True
    Else
        Label1.FontBold = False
    End If
End Sub

Private Sub Check2_Click()
    If Check2.Value = 1 Then
        Label1.FontItalic = True
    Else
        Label1.FontItalic = False
    End If
End Sub
