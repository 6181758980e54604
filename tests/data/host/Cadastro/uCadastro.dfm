object frmCadastro: TfrmCadastro
  Left = 192
  Top = 107
  Width = 544
  Height = 375
  Caption = 'Cadastro de Clientes'
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
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 536
    Height = 41
    Align = alTop
    TabOrder = 1
    object Label1: TLabel
      Left = 8
      Top = 14
      Width = 33
      Height = 13
      Caption = 'C'#243'digo'
      FocusControl = Edit1
    end
    object Edit1: TEdit
      Left = 48
      Top = 10
      Width = 121
      Height = 21
      TabOrder = 1
      Text = 'Edit1'
    end
    object Edit2: TEdit
      Left = 180
      Top = 10
      Width = 121
      Height = 21
      TabOrder = 0
    end
  end
  object Panel2: TPanel
    Left = 0
    Top = 41
    Width = 536
    Height = 307
    Align = alClient
    TabOrder = 0
    object DBGrid1: TDBGrid
      Left = 8
      Top = 8
      Width = 320
      Height = 200
      DataSource = DataSource1
      TabOrder = 0
      TitleFont.Charset = DEFAULT_CHARSET
      TitleFont.Color = clWindowText
      TitleFont.Height = -11
      TitleFont.Name = 'MS Sans Serif'
      TitleFont.Style = []
      Columns = <
        item
          Expanded = False
          FieldName = 'CODIGO'
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'NOME'
          Width = 200
          Visible = True
        end>
    end
    object Memo1: TMemo
      Left = 336
      Top = 8
      Width = 185
      Height = 89
      Lines.Strings = (
        'Primeira linha'
        'Segunda '#233' '
        + 'continua'#231#227'o')
      TabOrder = 1
    end
    object Button1: TButton
      Left = 336
      Top = 112
      Width = 75
      Height = 25
      Caption = '&Gravar'
      TabOrder = 2
      OnClick = Button1Click
    end
  end
  object ClientDataSet1: TClientDataSet
    Active = True
    Aggregates = <>
    Params = <>
    Left = 440
    Top = 8
    Data = {
      960000009619E0BD010000001800000002000000000003000000960006434F44
      49474F0400010000000000044E4F4D4501004900000001000557494454480200
      020014000000}
  end
  object DataSource1: TDataSource
    DataSet = ClientDataSet1
    Left = 472
    Top = 8
  end
end
