VERSION 5.00
Begin VB.Form frmLf 
   Caption         =   "Unix checkout"
   ClientHeight    =   3000
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4500
   LinkTopic       =   "Form1"
   ScaleHeight     =   3000
   ScaleWidth      =   4500
   Begin VB.TextBox txtPath 
      Height          =   285
      Left            =   120
      TabIndex        =   0
      Text            =   "/tmp"
      Top             =   120
      Width           =   2775
   End
End
Attribute VB_Name = "frmLf"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Form_Load()
    txtPath.Text = CurDir
End Sub
