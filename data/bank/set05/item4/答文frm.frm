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
   Begin VB.ListBox List1 
      Height          =   1860
      Left            =   480
      TabIndex        =   1
      Top             =   480
      Width           =   1695
   End
   Begin VB.CommandButton Command1 
      Caption         =   "查找"
      Height          =   495
      Left            =   2880
      TabIndex        =   0
      Top             =   1080
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
    Dim i As Integer, a As Integer, b As Integer, c As Integer
    List1.Clear
    Open App.Path & "\out4.txt" For Output As #1
    For i = 100 To 999
        a = i \ 100
        b = (i \ 10) Mod 10
        c = i Mod 10
        If a ^ 3 + b ^ 3 + c ^ 3 = i Then
            Print #1, i
            List1.AddItem i
        End If
    Next i
    Close #1
End Sub
