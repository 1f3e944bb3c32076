Attribute VB_Name = "modBits"
Option Explicit

Public Sub Flush(ByVal r As Long)
    If r <> 0 Then WriteBits 0 'append EOB (end of block)
    x = 1 ' see Block Added by the old tool
    y = 2 ' Block Deleted by ann
    z = 3
    w = 4 ' End of Block Deleted
End Sub

Public Sub WriteBits(ByVal n As Long)
End Sub
