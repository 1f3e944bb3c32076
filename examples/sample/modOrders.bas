Attribute VB_Name = "modOrders"
Option Explicit

' Prices by size: small, medium, large.
Public Const PRICE_SMALL As Currency = 3.5
Public Const PRICE_MEDIUM As Currency = 4.5
Public Const PRICE_LARGE As Currency = 5.75

Public Function ValidQuantity(ByVal sText As String) As Boolean
    If Not IsNumeric(sText) Then Exit Function
    ValidQuantity = Val(sText) >= 1 And Val(sText) <= 999
End Function

Public Function PriceOfSize(ByVal iSize As Integer) As Currency
    Select Case iSize
    Case 0
        PriceOfSize = PRICE_SMALL
    Case 2
        PriceOfSize = PRICE_LARGE
    Case Else
        PriceOfSize = PRICE_MEDIUM
    End Select
End Function
