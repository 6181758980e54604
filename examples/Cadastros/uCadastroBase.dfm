object frmCadastroBase: TfrmCadastroBase
  Left = 240
  Top = 150
  BorderStyle = bsDialog
  Caption = 'Cadastro'
  ClientHeight = 341
  ClientWidth = 480
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
  object pnlTopo: TPanel
    Left = 0
    Top = 0
    Width = 480
    Height = 33
    Align = alTop
    BevelOuter = bvNone
    Color = clAppWorkSpace
    TabOrder = 0
    object lblTitulo: TLabel
      Left = 8
      Top = 8
      Width = 58
      Height = 16
      Caption = 'Cadastro'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWhite
      Font.Height = -13
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object pnlBotoes: TPanel
    Left = 0
    Top = 300
    Width = 480
    Height = 41
    Align = alBottom
    TabOrder = 2
    object btnNovo: TButton
      Left = 8
      Top = 8
      Width = 75
      Height = 25
      Caption = '&Novo'
      TabOrder = 0
    end
    object btnGravar: TButton
      Left = 88
      Top = 8
      Width = 75
      Height = 25
      Caption = '&Gravar'
      TabOrder = 1
    end
    object btnExcluir: TButton
      Left = 168
      Top = 8
      Width = 75
      Height = 25
      Caption = '&Excluir'
      TabOrder = 2
    end
    object btnFechar: TButton
      Left = 396
      Top = 8
      Width = 75
      Height = 25
      Caption = '&Fechar'
      TabOrder = 3
      OnClick = btnFecharClick
    end
  end
  object pnlDados: TPanel
    Left = 0
    Top = 33
    Width = 480
    Height = 267
    Align = alClient
    BevelOuter = bvNone
    TabOrder = 1
  end
  object dsCadastro: TDataSource
    Left = 440
    Top = 40
  end
end
