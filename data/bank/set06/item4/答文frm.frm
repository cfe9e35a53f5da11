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
   Begin VB.CommandButton Command1 
      Caption         =   "查找"
      Height          =   495
      Left            =   1680
      TabIndex        =   0
      Top             =   1320
      Width           =   1215
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Function prime(x As Integer) As Boolean
    Dim j As Integer
    prime = True
    For j = 2 To Sqr(x)
        If x Mod j = 0 Then
            prime = False
            Exit Function
        End If
    Next j
End Function

Private Sub Command1_Click()
    Dim a(1 To 10) As Integer, n As Integer, i As Integer
    n = 0
    i = 3
    Do While n < 10
        If prime(i) And i Mod 10 = 3 Then
            n = n + 1
            a(n) = i
        End If
        i = i + 2
    Loop
    putdata a, n
    MsgBox "结果已存入out.txt"
End Sub
