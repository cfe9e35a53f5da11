VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "找素数"
   ClientHeight    =   3495
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4680
   LinkTopic       =   "Form1"
   ScaleHeight     =   3495
   ScaleWidth      =   4680
   StartUpPosition =   3  '窗口缺省
   Begin VB.ListBox List1 
      Height          =   2220
      Left            =   360
      TabIndex        =   3
      Top             =   960
      Width           =   2295
   End
   Begin VB.TextBox Text1 
      Height          =   375
      Left            =   360
      TabIndex        =   2
      Text            =   ""
      Top             =   360
      Width           =   4095
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Command1"
      Height          =   495
      Left            =   3120
      TabIndex        =   0
      Top             =   1080
      Width           =   1335
   End
   Begin VB.CommandButton Command2 
      Caption         =   "Command2"
      Height          =   495
      Left            =   3120
      TabIndex        =   1
      Top             =   2040
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

Private Function myprime(ByVal x As Integer) As Boolean
    Dim k As Integer
    myprime = False
    If x < 2 Then Exit Function
    For k = 2 To x - 1
        If x Mod k = 0 Then Exit Function
    Next k
    myprime = ?
End Function

Private Sub Command1_Click()
    Dim i As Integer
    Open App.Path & "\datain1.txt" For Input As #1
    For i = 1 To 100
        Input #1, a(i)
    Next i
    Close #1
    Text1.Text = "已读入100个数"
End Sub

Private Sub Command2_Click()
    Dim b(1 To 100) As Integer, i As Integer, n As Integer
    n = 0
    List1.Clear
    For i = 1 To 100
        If myprime(a(i)) Then
            n = ?
            b(n) = ?
            List1.AddItem a(i)
        End If
    Next i
    Text1.Text = "共有" & n & "个素数"
    putdata b, n
End Sub
