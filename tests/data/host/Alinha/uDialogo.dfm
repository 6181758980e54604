object dlgDialogo: TdlgDialogo
  Left = 245
  Top = 187
  BorderStyle = bsDialog
  Caption = 'Di'#225'logo'
  ClientHeight = 120
  ClientWidth = 300
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object btn_Fechar: TButton
    Left = 112
    Top = 88
    Width = 75
    Height = 25
    Caption = 'Fechar'
    ModalResult = 2
    TabOrder = 0
  end
end
