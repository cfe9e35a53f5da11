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
      Caption         =   "查找"
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
    Dim a(1 To 100) As Integer
    Dim i As Integer, m As Integer, k As Integer
    Open App.Path & "\in.txt" For Input As #1
    For i = 1 To 100
        Input #1, a(i)
    Next i
    Close #1
    m = a(1)
    k = 1
    For i = 2 To 100
        If a(i) > m Then
            m = a(i)
            k = i
        End If
    Next i
    Text1.Text = m & "," & k
    putdata "out3.txt", Text1.Text
End Sub
