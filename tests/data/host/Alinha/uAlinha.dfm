object frmAlinha: TfrmAlinha
  Left = 192
  Top = 107
  Width = 408
  Height = 300
  Caption = 'Alinhamento'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object edt_X: TEdit
    Left = 10
    Top = 8
    Width = 50
    Height = 21
    TabOrder = 0
    Text = 'edt_X'
  end
  object edt_Y: TEdit
    Left = 100
    Top = 40
    Width = 30
    Height = 21
    TabOrder = 1
    Text = 'edt_Y'
  end
  object edt_Z: TEdit
    Left = 200
    Top = 72
    Width = 40
    Height = 21
    TabOrder = 2
    Text = 'edt_Z'
  end
  object pnl_Grupo: TPanel
    Left = 16
    Top = 120
    Width = 185
    Height = 89
    Caption = 'Sele'#231#227'o'
    TabOrder = 3
    object lbl_Nome: TLabel
      Left = 8
      Top = 8
      Width = 28
      Height = 13
      Caption = 'Nome'
    end
  end
  object btn_Ok: TButton
    Left = 304
    Top = 232
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    TabOrder = 4
  end
  object ds_Dados: TDataSource
    Left = 344
    Top = 16
  end
end
