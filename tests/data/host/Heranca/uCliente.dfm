inherited frmCliente: TfrmCliente
  Caption = 'Clientes'
  PixelsPerInch = 96
  TextHeight = 13
  inherited pnlDados: TPanel
    inherited edtDocumento: TEdit
      Width = 120
    end
    object lblLimite: TLabel
      Left = 16
      Top = 112
      Width = 77
      Height = 13
      Caption = 'Limite de cr'#233'dito'
    end
    object edtLimite: TEdit
      Left = 16
      Top = 128
      Width = 100
      Height = 21
      TabOrder = 2
    end
  end
  inherited dsDados: TDataSource
    DataSet = cdsClientes
  end
  object cdsClientes: TClientDataSet
    Aggregates = <>
    Params = <>
    Left = 48
    Top = 264
    object cdsClientesNOME: TStringField
      FieldName = 'NOME'
      Size = 60
    end
  end
end
