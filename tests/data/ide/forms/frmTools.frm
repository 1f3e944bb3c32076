VERSION 6.00
Object = "{0BA686C6-F7D3-101A-993E-0000C0EF6F5E}#1.0#0"; "THREED32.OCX"
Object = "{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0"; "COMDLG32.OCX"
Begin VB.Form frmTools 
   Caption         =   "Tools"
   ClientHeight    =   2190
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   3630
   LinkTopic       =   "Form1"
   ScaleHeight     =   2190
   ScaleWidth      =   3630
   StartUpPosition =   3  'Windows Default
   Begin Threed.SSCommand cmdPaint 
      Height          =   495
      Left            =   120
      TabIndex        =   1
      Top             =   120
      Width           =   1215
      _Version        =   65536
      _ExtentX        =   2143
      _ExtentY        =   873
      _StockProps     =   78
      Caption         =   "&Paint"
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   8.25
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Picture         =   "frmTools.frx":0000
   End
   Begin MSComDlg.CommonDialog dlgOpen 
      Left            =   2520
      Top             =   120
      _ExtentX        =   847
      _ExtentY        =   847
      _Version        =   393216
      DialogTitle     =   "Open"
   End
   Begin VB.PictureBox picLogo 
      Height          =   615
      Left            =   1440
      Picture         =   "frmTools.frx":0010
      ScaleHeight     =   555
      ScaleWidth      =   555
      TabIndex        =   2
      Top             =   120
      Width           =   615
      Begin VB.Image imgSmall 
         Height          =   240
         Left            =   0
         Picture         =   "frmTools.frx":0024
         Top             =   0
         Width           =   240
      End
   End
   Begin VB.ComboBox cboKind 
      Height          =   315
      ItemData        =   "frmTools.frx":0030
      Left            =   120
      List            =   "frmTools.frx":003A
      Style           =   2  'Dropdown List
      TabIndex        =   0
      Top             =   1200
      Width           =   2175
   End
   Begin VB.TextBox txtNotes 
      Height          =   495
      Left            =   120
      MultiLine       =   -1  'True
      TabIndex        =   3
      Text            =   "frmTools.frx":0050
      Top             =   1560
      Width           =   3375
   End
End
Attribute VB_Name = "frmTools"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub cmdPaint_Click()
    dlgOpen.ShowOpen
End Sub
