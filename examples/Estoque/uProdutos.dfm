object frmProdutos: TfrmProdutos
  Left = 262
  Top = 148
  BorderStyle = bsDialog
  Caption = 'Cadastro de Produtos'
  ClientHeight = 381
  ClientWidth = 520
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
    Width = 520
    Height = 113
    Align = alTop
    TabOrder = 0
    object Label1: TLabel
      Left = 12
      Top = 12
      Width = 33
      Height = 13
      Caption = 'C'#243'digo'
      FocusControl = DBEdit1
    end
    object Label2: TLabel
      Left = 96
      Top = 12
      Width = 48
      Height = 13
      Caption = 'Descri'#231#227'o'
      FocusControl = DBEdit2
    end
    object Label3: TLabel
      Left = 392
      Top = 12
      Width = 28
      Height = 13
      Caption = 'Pre'#231'o'
      FocusControl = DBEdit3
    end
    object Label4: TLabel
      Left = 12
      Top = 64
      Width = 46
      Height = 13
      Caption = '&Pesquisar'
      FocusControl = Edit1
    end
    object DBEdit1: TDBEdit
      Left = 12
      Top = 28
      Width = 73
      Height = 21
      DataField = 'CODIGO'
      DataSource = DataSource1
      TabOrder = 0
    end
    object DBEdit2: TDBEdit
      Left = 96
      Top = 28
      Width = 285
      Height = 21
      CharCase = ecUpperCase
      DataField = 'DESCRICAO'
      DataSource = DataSource1
      TabOrder = 2
    end
    object DBEdit3: TDBEdit
      Left = 392
      Top = 28
      Width = 113
      Height = 21
      DataField = 'PRECO'
      DataSource = DataSource1
      TabOrder = 1
    end
    object Edit1: TEdit
      Left = 12
      Top = 80
      Width = 369
      Height = 21
      TabOrder = 3
      OnChange = Edit1Change
    end
    object CheckBox1: TCheckBox
      Left = 392
      Top = 82
      Width = 97
      Height = 17
      Caption = 'Exato'
      TabOrder = 4
    end
  end
  object Panel2: TPanel
    Left = 0
    Top = 113
    Width = 520
    Height = 268
    Align = alClient
    BevelOuter = bvNone
    TabOrder = 1
    object DBGrid1: TDBGrid
      Left = 8
      Top = 36
      Width = 504
      Height = 185
      DataSource = DataSource1
      Options = [dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect]
      TabOrder = 1
      TitleFont.Charset = DEFAULT_CHARSET
      TitleFont.Color = clWindowText
      TitleFont.Height = -11
      TitleFont.Name = 'MS Sans Serif'
      TitleFont.Style = []
      Columns = <
        item
          Expanded = False
          FieldName = 'CODIGO'
          Width = 60
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'DESCRICAO'
          Width = 300
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'PRECO'
          Visible = True
        end>
    end
    object DBNavigator1: TDBNavigator
      Left = 8
      Top = 6
      Width = 240
      Height = 25
      DataSource = DataSource1
      TabOrder = 0
    end
    object BitBtn1: TBitBtn
      Left = 348
      Top = 232
      Width = 75
      Height = 25
      Caption = '&Gravar'
      TabOrder = 2
      OnClick = BitBtn1Click
      Kind = bkOK
    end
    object BitBtn2: TBitBtn
      Left = 436
      Top = 232
      Width = 75
      Height = 25
      Caption = '&Fechar'
      TabOrder = 3
      Kind = bkClose
    end
  end
  object ClientDataSet1: TClientDataSet
    Active = True
    Aggregates = <>
    FileName = 'produtos.xml'
    Params = <>
    Left = 448
    Top = 8
    object ClientDataSet1CODIGO: TIntegerField
      FieldName = 'CODIGO'
      Required = True
    end
    object ClientDataSet1DESCRICAO: TStringField
      FieldName = 'DESCRICAO'
      Size = 60
    end
    object ClientDataSet1PRECO: TCurrencyField
      FieldName = 'PRECO'
    end
  end
  object DataSource1: TDataSource
    DataSet = ClientDataSet1
    Left = 480
    Top = 8
  end
end
