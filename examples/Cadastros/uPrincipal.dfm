object frmPrincipal: TfrmPrincipal
  Left = 220
  Top = 130
  Width = 400
  Height = 300
  Caption = 'Cadastros'
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
  object pnlMenu: TPanel
    Left = 0
    Top = 0
    Width = 392
    Height = 41
    Align = alTop
    TabOrder = 0
    object btnClientes: TButton
      Left = 8
      Top = 8
      Width = 75
      Height = 25
      Caption = '&Clientes'
      TabOrder = 0
      OnClick = btnClientesClick
    end
    object btnProdutos: TButton
      Left = 88
      Top = 8
      Width = 75
      Height = 25
      Caption = '&Produtos'
      TabOrder = 1
      OnClick = btnProdutosClick
    end
  end
end
