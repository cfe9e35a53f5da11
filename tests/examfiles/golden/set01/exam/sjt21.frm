VERSION 5.00
Begin VB.Form Form1
   Caption         =   "第一个窗体"
   ClientHeight    =   3195
   ClientWidth     =   4680
End
Attribute VB_Name = "Form1"

