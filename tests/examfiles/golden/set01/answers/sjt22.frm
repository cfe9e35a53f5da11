VERSION 5.00
Begin VB.Form Form2
   Caption         =   "第二个窗体"
   ClientHeight    =   3195
   ClientWidth     =   4680
   Begin VB.CommandButton Command1
      Caption         =   "计算"
      Height          =   495
   End
End
Attribute VB_Name = "Form2"

