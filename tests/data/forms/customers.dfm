object frmCustomers: TfrmCustomers
  Left = 192
  Top = 107
  Width = 696
  Height = 480
  ActiveControl = edtName
  Caption = 'Cadastro de Clientes'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object pnlTop: TPanel
    Left = 0
    Top = 0
    Width = 688
    Height = 105
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object lblName: TLabel
      Left = 8
      Top = 12
      Width = 28
      Height = 13
      Caption = '&Nome'
      FocusControl = edtName
    end
    object lblCity: TLabel
      Left = 8
      Top = 52
      Width = 33
      Height = 13
      Caption = 'Cidade'
    end
    object imgLogo: TImage
      Left = 600
      Top = 8
      Width = 16
      Height = 16
      Picture.Data = {
        07544269746D6170B6000000424DB60000000000000036000000280000000400
        0000040000000100180000000000800000000000000000000000000000000000
        0000FFFFFF00FFFFFF00FFFFFF00FFFFFF00FFFFFF0000000000000000FFFFFF
        00FFFFFF0000000000000000FFFFFF00FFFFFF00FFFFFF00FFFFFF00FFFFFF00
        FFFF}
    end
    object edtName: TDBEdit
      Left = 8
      Top = 28
      Width = 321
      Height = 21
      Hint = 
        'Nome completo do cliente, como consta no documento de identidade' +
        ' ou no contrato social da empresa'
      DataField = 'NAME'
      DataSource = dsCustomers
      ParentShowHint = False
      ShowHint = True
      TabOrder = 0
    end
    object cbCity: TDBComboBox
      Left = 8
      Top = 68
      Width = 201
      Height = 21
      DataField = 'CITY'
      DataSource = dsCustomers
      ItemHeight = 13
      Items.Strings = (
        'Curitiba'
        'Florian'#243'polis'
        'S'#227'o Paulo'
        'Porto Alegre')
      TabOrder = 1
    end
    object memNotes: TDBMemo
      Left = 344
      Top = 28
      Width = 241
      Height = 61
      Anchors = [akLeft, akTop, akRight]
      DataField = 'NOTES'
      DataSource = dsCustomers
      Lines.Strings = (
        'Linha um'#9'com tab'
        ''
        
          'Uma linha de observa'#231#245'es bem comprida que o IDE quebra em duas p' +
          'artes')
      ScrollBars = ssVertical
      TabOrder = 2
    end
  end
  object grdCustomers: TDBGrid
    Left = 0
    Top = 105
    Width = 688
    Height = 322
    Align = alClient
    DataSource = dsCustomers
    Options = [dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect]
    TabOrder = 1
    TitleFont.Charset = DEFAULT_CHARSET
    TitleFont.Color = clWindowText
    TitleFont.Height = -11
    TitleFont.Name = 'MS Sans Serif'
    TitleFont.Style = [fsBold]
    Columns = <
      item
        Expanded = False
        FieldName = 'ID'
        Title.Caption = 'C'#243'digo'
        Width = 52
        Visible = True
      end
      item
        Expanded = False
        FieldName = 'NAME'
        Title.Caption = 'Nome'
        Width = 260
        Visible = True
      end
      item
        Alignment = taRightJustify
        Expanded = False
        FieldName = 'CREDIT'
        Title.Caption = 'Cr'#233'dito'
        Visible = True
      end>
  end
  object sbStatus: TStatusBar
    Left = 0
    Top = 427
    Width = 688
    Height = 19
    Panels = <
      item
        Text = 'Pronto'
        Width = 200
      end
      item
        Width = 50
      end>
    SimplePanel = False
  end
  object qryCustomers: TQuery
    Active = True
    DatabaseName = 'CRM'
    SQL.Strings = (
      'select ID, NAME, CITY, NOTES, CREDIT'
      '  from CUSTOMERS'
      ' where STATUS = '#39'A'#39
      ' order by NAME')
    Left = 432
    Top = 152
    object qryCustomersCREDIT: TFloatField
      FieldName = 'CREDIT'
      DisplayFormat = '#,##0.00'
      MaxValue = 99999.5
      MinValue = -1.25E3
    end
    object qryCustomersID: TIntegerField
      FieldName = 'ID'
      Required = True
    end
  end
  object dsCustomers: TDataSource
    DataSet = qryCustomers
    Left = 464
    Top = 152
  end
end
