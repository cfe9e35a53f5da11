VERSION 5.00
Begin VB.Form Form1
   Caption         =   "≈≈–Ú"
   ClientHeight    =   3195
   ClientWidth     =   4680
   Begin VB.CommandButton Command1
      Caption         =   "º∆À„"
      Height          =   495
   End
End
Attribute VB_Name = "Form1"

