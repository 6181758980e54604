object frmNomes: TfrmNomes
  Left = 192
  Top = 107
  Width = 420
  Height = 300
  Caption = 'Nomes'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object pnl_Topo: TPanel
    Left = 0
    Top = 0
    Width = 412
    Height = 73
    Align = alTop
    TabOrder = 0
    object Label1: TLabel
      Left = 8
      Top = 12
      Width = 28
      Height = 13
      Caption = 'N'#250'mero'
      FocusControl = edtNome
    end
    object edtNome: TEdit
      Left = 48
      Top = 8
      Width = 121
      Height = 21
      TabOrder = 0
    end
    object Label2: TLabel
      Left = 8
      Top = 44
      Width = 33
      Height = 13
      Caption = 'Cidade'
      FocusControl = EDTCidade
    end
    object EDTCidade: TEdit
      Left = 48
      Top = 40
      Width = 121
      Height = 21
      TabOrder = 1
    end
    object Label3: TLabel
      Left = 184
      Top = 12
      Width = 48
      Height = 13
      Caption = 'Sem foco'
    end
    object lbl_edtNome: TLabel
      Left = 184
      Top = 44
      Width = 48
      Height = 13
      Caption = 'J'#225' certo'
      FocusControl = edtNome
    end
  end
  object Button1: TButton
    Left = 8
    Top = 232
    Width = 75
    Height = 25
    Caption = '&Gravar'
    TabOrder = 1
    OnClick = Button1Click
  end
  object DBEdit1: TDBEdit
    Left = 8
    Top = 88
    Width = 121
    Height = 21
    DataField = 'NOME'
    DataSource = DataSource1
    TabOrder = 2
  end
  object DBEdit2: TDBEdit
    Left = 8
    Top = 116
    Width = 121
    Height = 21
    DataField = 'NOME'
    DataSource = DataSource1
    TabOrder = 3
  end
  object dbe_NOME2: TDBEdit
    Left = 8
    Top = 144
    Width = 121
    Height = 21
    DataField = 'NOME'
    DataSource = DataSource1
    TabOrder = 4
  end
  object DBEdit3: TDBEdit
    Left = 8
    Top = 172
    Width = 121
    Height = 21
    DataSource = DataSource1
    TabOrder = 5
  end
  object DBText1: TDBText
    Left = 144
    Top = 92
    Width = 65
    Height = 17
    DataField = 'CODIGO'
    DataSource = DataSource1
  end
  object ClientDataSet1: TClientDataSet
    Aggregates = <>
    Params = <>
    Left = 344
    Top = 88
  end
  object DataSource1: TDataSource
    DataSet = ClientDataSet1
    Left = 376
    Top = 88
  end
end
