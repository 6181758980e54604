object frmTab: TfrmTab
  Left = 192
  Top = 107
  Width = 420
  Height = 330
  Caption = 'Pedido n'#186' 1 '#8212' edi'#231#227'o'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object lblNome: TLabel
    Left = 8
    Top = 52
    Width = 28
    Height = 13
    Caption = 'Nome'
  end
  object pnlTopo: TPanel
    Left = 0
    Top = 0
    Width = 412
    Height = 41
    Align = alTop
    TabOrder = 4
    object BtnCancelar: TButton
      Left = 20
      Top = 8
      Width = 75
      Height = 25
      Caption = 'Cancelar'
      TabOrder = 0
    end
    object btnAjuda: TButton
      Left = 20
      Top = 8
      Width = 75
      Height = 25
      Caption = 'Ajuda'
      TabOrder = 1
    end
    object btnOk: TButton
      Left = 100
      Top = 8
      Width = 75
      Height = 25
      Caption = 'OK'
      TabOrder = 2
    end
  end
  object edtDireita: TEdit
    Left = 200
    Top = 50
    Width = 121
    Height = 21
    TabOrder = 3
  end
  object edtEsquerda: TEdit
    Left = 40
    Top = 51
    Width = 121
    Height = 21
    TabOrder = 2
  end
  object edtNegativo: TEdit
    Left = -5
    Top = 80
    Width = 121
    Height = 21
    TabOrder = 1
    Text = 'fora da '#225'rea'
  end
  object edtPositivo: TEdit
    Left = 5
    Top = 80
    Width = 121
    Height = 21
    TabOrder = 0
  end
  object pgcDados: TPageControl
    Left = 8
    Top = 110
    Width = 396
    Height = 150
    ActivePage = tbsGeral
    TabOrder = 5
    object tbsGeral: TTabSheet
      Caption = 'Geral'
      object memObs: TMemo
        Left = 4
        Top = 40
        Width = 380
        Height = 60
        Lines.Strings = (
          'Primeira linha'
          'Segunda '#233' outra')
        TabOrder = 1
      end
      object lvItens: TListView
        Left = 4
        Top = 4
        Width = 380
        Height = 30
        Columns = <
          item
            Caption = 'Item'
            Width = 200
          end
          item
            Caption = 'Qtde'
          end>
        TabOrder = 0
        ViewStyle = vsReport
      end
    end
  end
  object stbRodape: TStatusBar
    Left = 0
    Top = 284
    Width = 412
    Height = 19
    Panels = <
      item
        Width = 50
      end>
    SimplePanel = False
  end
end
