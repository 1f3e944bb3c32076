VERSION 4.00
Begin Form frmOld 
   Caption         =   "Old Form"
   ClientHeight    =   3195
   ClientLeft      =   1140
   ClientTop       =   1515
   ClientWidth     =   4680
   BeginProperty Font 
      name            =   "MS Sans Serif"
      charset         =   0
      weight          =   700
      size            =   8.25
      underline       =   0   'False
      italic          =   0   'False
      strikethrough   =   0   'False
   EndProperty
   Height          =   3600
   Left            =   1080
   LinkTopic       =   "Form1"
   ScaleHeight     =   3195
   ScaleWidth      =   4680
   Top             =   1170
   Width           =   4800
   Begin Threed.SSPanel pnlStatus 
      Height          =   375
      Left            =   0
      TabIndex        =   2
      Top             =   2820
      Width           =   4680
      _Version        =   65536
      _ExtentX        =   8255
      _ExtentY        =   661
      _StockProps     =   15
      Caption         =   "Ready"
      BevelOuter      =   1
   End
   Begin CommandButton cmdGo 
      Caption         =   "&Go"
      BeginProperty Font 
         name            =   "MS Sans Serif"
         charset         =   0
         weight          =   400
         size            =   8.25
         underline       =   0   'False
         italic          =   0   'False
         strikethrough   =   0   'False
      EndProperty
      Height          =   495
      Index           =   0
      Left            =   240
      TabIndex        =   1
      Top             =   240
      Width           =   1215
   End
   Begin CommandButton cmdGo 
      Caption         =   "&Stop"
      Height          =   495
      Index           =   1
      Left            =   1680
      Top             =   240
      Width           =   1215
   End
   Begin Timer tmrPoll 
      Interval        =   500
      Left            =   3960
      Top             =   240
   End
   Begin Menu mnuHelp 
      Caption         =   "&Help"
      HelpContextID   =   10
   End
End
Attribute VB_Name = "frmOld"
Attribute VB_Creatable = False
Attribute VB_Exposed = False
Private Sub cmdGo_Click(Index As Integer)
    tmrPoll.Enabled = (Index = 0)
End Sub
