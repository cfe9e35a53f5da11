VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "红绿灯"
   ClientHeight    =   3495
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4680
   LinkTopic       =   "Form1"
   ScaleHeight     =   3495
   ScaleWidth      =   4680
   StartUpPosition =   3  '窗口缺省
   Begin VB.Timer Timer1 
      Enabled         =   0   'False
      Interval        =   1000
      Left            =   4080
      Top             =   240
   End
   Begin VB.CommandButton Command1 
      Caption         =   "开始"
      Height          =   495
      Left            =   3360
      TabIndex        =   0
      Top             =   2280
      Width           =   975
   End
   Begin VB.CommandButton Command2 
      Caption         =   "停止"
      Height          =   495
      Left            =   3360
      TabIndex        =   1
      Top             =   2880
      Width           =   975
   End
   Begin VB.Line Line1 
      BorderWidth     =   2
      X1              =   0
      X2              =   4680
      Y1              =   1800
      Y2              =   1800
   End
   Begin VB.Image Image2 
      Height          =   480
      Left            =   0
      Top             =   1320
      Width           =   480
   End
   Begin VB.Image Image1 
      BorderStyle     =   1  'Fixed Single
      Height          =   720
      Left            =   360
      Stretch         =   -1  'True
      Top             =   240
      Width           =   720
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Dim n As Integer

Private Sub Form_Load()
    Image1.Picture = LoadPicture(App.Path & "\红灯.ico")
    Image2.Picture = LoadPicture(App.Path & "\Cars.ico")
    n = 0
End Sub

Private Sub Command1_Click()
    Timer1.Enabled = True
End Sub

Private Sub Command2_Click()
    Timer1.Enabled = False
End Sub

Private Sub Timer1_Timer()
    n = n + 1
    If n > 12 Then n = 1
    Select Case n
        Case 1 To 5
            Image1.Picture = LoadPicture(App.Path & "\绿灯.ico")
            Image2.Left = Image2.Left + 300
            If Image2.Left > Form1.ScaleWidth Then Image2.Left = 0
        Case 6 To 7
            Image1.Picture = LoadPicture(App.Path & "\黄灯.ico")
        Case Else
            Image1.Picture = LoadPicture(App.Path & "\红灯.ico")
    End Select
End Sub
