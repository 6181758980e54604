object Form3: TForm3
  Left = 300
  Top = 160
  Width = 560
  Height = 420
  Caption = 'Movimenta'#231#227'o de Estoque'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 536
    Height = 121
    Caption = ' Lan'#231'amento '
    TabOrder = 0
    object Label1: TLabel
      Left = 12
      Top = 20
      Width = 37
      Height = 13
      Caption = 'Produto'
      FocusControl = DBLookupComboBox1
    end
    object Label2: TLabel
      Left = 260
      Top = 20
      Width = 55
      Height = 13
      Caption = 'Quantidade'
      FocusControl = Edit1
    end
    object Label3: TLabel
      Left = 360
      Top = 20
      Width = 23
      Height = 13
      Caption = 'Data'
    end
    object DBLookupComboBox1: TDBLookupComboBox
      Left = 12
      Top = 36
      Width = 237
      Height = 21
      KeyField = 'CODIGO'
      ListField = 'DESCRICAO'
      ListSource = DataSource2
      TabOrder = 0
    end
    object Edit1: TEdit
      Left = 260
      Top = 36
      Width = 89
      Height = 21
      TabOrder = 2
      Text = '0'
    end
    object DateTimePicker1: TDateTimePicker
      Left = 360
      Top = 36
      Width = 105
      Height = 21
      CalAlignment = dtaLeft
      Date = 37234.5
      Time = 37234.5
      DateFormat = dfShort
      DateMode = dmComboBox
      Kind = dtkDate
      ParseInput = False
      TabOrder = 1
    end
    object RadioGroup1: TRadioGroup
      Left = 12
      Top = 64
      Width = 237
      Height = 45
      Caption = ' Tipo '
      Columns = 2
      ItemIndex = 0
      Items.Strings = (
        'Entrada'
        'Sa'#237'da')
      TabOrder = 3
    end
  end
  object Button1: TButton
    Left = 388
    Top = 100
    Width = 75
    Height = 25
    Caption = '&Lan'#231'ar'
    Default = True
    TabOrder = 2
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 468
    Top = 100
    Width = 75
    Height = 25
    Cancel = True
    Caption = '&Cancelar'
    ModalResult = 2
    TabOrder = 1
  end
  object DBGrid1: TDBGrid
    Left = 8
    Top = 136
    Width = 536
    Height = 241
    DataSource = DataSource1
    TabOrder = 3
    TitleFont.Charset = DEFAULT_CHARSET
    TitleFont.Color = clWindowText
    TitleFont.Height = -11
    TitleFont.Name = 'MS Sans Serif'
    TitleFont.Style = []
  end
  object ADOQuery1: TADOQuery
    Connection = DM.ADOConnection1
    CursorType = ctStatic
    Parameters = <
      item
        Name = 'PRODUTO'
        DataType = ftInteger
        Size = -1
        Value = Null
      end
      item
        Name = 'QTD'
        DataType = ftFloat
        Size = -1
        Value = Null
      end>
    SQL.Strings = (
      'insert into MOVIMENTO (PRODUTO, QTD, DATA)'
      'values (:PRODUTO, :QTD, current_date)')
    Left = 24
    Top = 184
  end
  object DataSource1: TDataSource
    DataSet = ADOTable1
    Left = 56
    Top = 184
  end
  object ADOTable1: TADOTable
    Active = True
    Connection = DM.ADOConnection1
    CursorType = ctStatic
    TableName = 'MOVIMENTO'
    Left = 88
    Top = 184
  end
  object DataSource2: TDataSource
    DataSet = DM.Query1
    Left = 120
    Top = 184
  end
end
