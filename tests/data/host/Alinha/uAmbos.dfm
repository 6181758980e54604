object frmAmbos: TfrmAmbos
  Left = 210
  Top = 130
  Width = 320
  Height = 240
  BorderStyle = bsSingle
  Caption = 'Ambos'
  ClientHeight = 206
  ClientWidth = 312
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
end
