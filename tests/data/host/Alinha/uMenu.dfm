object frmMenu: TfrmMenu
  Left = 200
  Top = 120
  Width = 500
  Height = 360
  Caption = 'Menu'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Menu = MainMenu1
  PixelsPerInch = 96
  TextHeight = 13
  object MainMenu1: TMainMenu
    Left = 16
    Top = 8
    object mi_Arquivo: TMenuItem
      Caption = '&Arquivo'
    end
  end
end
