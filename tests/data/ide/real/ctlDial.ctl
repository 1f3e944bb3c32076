VERSION 5.00
Begin VB.UserControl ctlDial 
End
Attribute VB_Name = "ctlDial"
