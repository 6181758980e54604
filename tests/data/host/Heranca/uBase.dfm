object frmBase: TfrmBase
  Left = 192
  Top = 114
  Width = 480
  Height = 320
  Caption = 'Cadastro'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object pnlBotoes: TPanel
    Left = 0
    Top = 252
    Width = 472
    Height = 41
    Align = alBottom
    TabOrder = 1
    object btnSalvar: TButton
      Left = 304
      Top = 8
      Width = 75
      Height = 25
      Caption = '&Salvar'
      TabOrder = 0
    end
    object btnCancelar: TButton
      Left = 388
      Top = 8
      Width = 75
      Height = 25
      Caption = '&Cancelar'
      TabOrder = 1
      OnClick = btnCancelarClick
    end
  end
  object pnlDados: TPanel
    Left = 0
    Top = 0
    Width = 472
    Height = 252
    Align = alClient
    TabOrder = 0
  end
  object dsDados: TDataSource
    Left = 16
    Top = 264
  end
end
