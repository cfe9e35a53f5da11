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
   Begin VB.TextBox Text2 
      Height          =   375
      Left            =   480
      TabIndex        =   3
      Text            =   ""
      Top             =   1080
      Width           =   3615
   End
   Begin VB.CommandButton Command1 
      Caption         =   "读入"
      Height          =   495
      Left            =   480
      TabIndex        =   0
      Top             =   1920
      Width           =   1455
   End
   Begin VB.CommandButton Command2 
      Caption         =   "转换"
      Height          =   495
      Left            =   2640
      TabIndex        =   1
      Top             =   1920
      Width           =   1455
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Command1_Click()
    Dim s As String
    Open App.Path & "\in5.txt" For Input As #1
    Line Input #1, s
    Close #1
    Text1.Text = s
End Sub

Private Sub Command2_Click()
    Dim s As String, t As String, c As String
    Dim i As Integer
    s = Text1.Text
    t = ""
    For i = Len(s) To 1 Step -1
        c = Mid(s, i, 1)
        If c >= "a" And c <= "z" Then
            c = UCase(c)
        ElseIf c >= "A" And c <= "Z" Then
            c = LCase(c)
        End If
        t = t & c
    Next i
    Text2.Text = t
    putdata "out4.txt", t
End Sub
