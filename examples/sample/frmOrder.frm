VERSION 5.00
Begin VB.Form frmOrder 
   Caption         =   "Order Entry"
   ClientHeight    =   4455
   ClientLeft      =   165
   ClientTop       =   735
   ClientWidth     =   6360
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   4455
   ScaleWidth      =   6360
   StartUpPosition =   3  'Windows Default
   Begin VB.Frame fraOrder 
      Caption         =   "Order"
      Height          =   3135
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   4215
      Begin VB.TextBox txtCustomer 
         Height          =   315
         Left            =   1200
         TabIndex        =   2
         Text            =   "Smith & Sons"
         Top             =   360
         Width           =   2775
      End
      Begin VB.TextBox txtQuantity 
         Alignment       =   1  'Right Justify
         Height          =   315
         Left            =   1200
         TabIndex        =   4
         Text            =   "1"
         Top             =   780
         Width           =   735
      End
      Begin VB.Frame fraSize 
         Caption         =   "Size"
         Height          =   1335
         Left            =   240
         TabIndex        =   5
         Top             =   1320
         Width           =   1815
         Begin VB.OptionButton optSize 
            Caption         =   "&Large"
            Height          =   255
            Index           =   2
            Left            =   240
            TabIndex        =   8
            Top             =   960
            Width           =   1335
         End
         Begin VB.OptionButton optSize 
            Caption         =   "&Medium"
            Height          =   255
            Index           =   1
            Left            =   240
            TabIndex        =   7
            Top             =   630
            Value           =   -1  'True
            Width           =   1335
         End
         Begin VB.OptionButton optSize 
            Caption         =   "&Small"
            Height          =   255
            Index           =   0
            Left            =   240
            TabIndex        =   6
            Top             =   300
            Width           =   1335
         End
      End
      Begin VB.CheckBox chkGift 
         Caption         =   "&Gift wrap"
         Height          =   255
         Left            =   2280
         TabIndex        =   9
         Top             =   1440
         Width           =   1575
      End
      Begin VB.ListBox lstNotes 
         Height          =   840
         Left            =   2280
         TabIndex        =   10
         Top             =   1800
         Width           =   1695
      End
      Begin VB.Label lblQuantity 
         Caption         =   "&Quantity:"
         Height          =   255
         Left            =   240
         TabIndex        =   3
         Top             =   810
         Width           =   855
      End
      Begin VB.Label lblCustomer 
         Caption         =   "&Customer:"
         Height          =   255
         Left            =   240
         TabIndex        =   1
         Top             =   390
         Width           =   855
      End
   End
   Begin VB.CommandButton cmdAction 
      Caption         =   "&Cancel"
      Height          =   375
      Index           =   1
      Left            =   4680
      TabIndex        =   12
      Top             =   720
      Width           =   1455
   End
   Begin VB.CommandButton cmdAction 
      Caption         =   "&OK"
      Default         =   -1  'True
      Height          =   375
      Index           =   0
      Left            =   4680
      TabIndex        =   11
      Top             =   240
      Width           =   1455
   End
   Begin VB.Label lblTotal 
      Alignment       =   1  'Right Justify
      BorderStyle     =   1  'Fixed Single
      Caption         =   "0.00"
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   12
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00800000&
      Height          =   375
      Left            =   4680
      TabIndex        =   13
      Top             =   2760
      Width           =   1455
   End
   Begin VB.Label lblTotalCaption 
      Caption         =   "Total:"
      Height          =   255
      Left            =   4680
      TabIndex        =   14
      Top             =   2400
      Width           =   1455
   End
   Begin VB.Timer tmrClock 
      Interval        =   1000
      Left            =   5640
      Top             =   3600
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuFileNew 
         Caption         =   "&New Order"
         Shortcut        =   ^N
      End
      Begin VB.Menu mnuFileSep 
         Caption         =   "-"
      End
      Begin VB.Menu mnuFileExit 
         Caption         =   "E&xit"
      End
   End
   Begin VB.Menu mnuHelp 
      Caption         =   "&Help"
      Begin VB.Menu mnuHelpAbout 
         Caption         =   "&About Orders..."
      End
   End
End
Attribute VB_Name = "frmOrder"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

' The order being entered.
Private mLine As clsOrderLine

Private Sub Form_Load()
    Set mLine = New clsOrderLine
    mLine.UnitPrice = 4.5
    lstNotes.AddItem "Deliver before noon"
    UpdateTotal
End Sub

Private Sub cmdAction_Click(Index As Integer)
    Select Case Index
    Case 0
        If ValidQuantity(txtQuantity.Text) Then
            MsgBox "Order for " & txtCustomer.Text & " saved.", vbInformation, "Orders"
            Unload Me
        Else
            MsgBox "Please enter a quantity from 1 to 999.", vbExclamation, "Orders"
        End If
    Case 1
        Unload Me
    End Select
End Sub

Private Sub optSize_Click(Index As Integer)
    mLine.Size = Index
    UpdateTotal
End Sub

Private Sub txtQuantity_Change()
    UpdateTotal
End Sub

Private Sub tmrClock_Timer()
    Caption = "Order Entry - " & Format$(Now, "hh:nn")
End Sub

Private Sub mnuFileNew_Click()
    txtCustomer.Text = ""
    txtQuantity.Text = "1"
    optSize(1).Value = True
End Sub

Private Sub mnuFileExit_Click()
    Unload Me
End Sub

Private Sub mnuHelpAbout_Click()
    frmAbout.Show vbModal, Me
End Sub

Private Sub UpdateTotal()
    If mLine Is Nothing Then Exit Sub
    mLine.Quantity = Val(txtQuantity.Text)
    lblTotal.Caption = Format$(mLine.Total, "0.00")
End Sub
