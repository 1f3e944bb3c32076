Attribute VB_Name = "modTools"
Option Explicit

Public Const APP_TITLE = "Tools"

Public Function Twice(ByVal n As Long) As Long
    Twice = n * 2
End Function
