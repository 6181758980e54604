inherited frmCadClientes: TfrmCadClientes
  Caption = 'Cadastro de Clientes'
  PixelsPerInch = 96
  TextHeight = 13
  inherited pnlTopo: TPanel
    inherited lblTitulo: TLabel
      Width = 51
      Caption = 'Clientes'
    end
  end
  inherited pnlDados: TPanel
    inherited fraEndereco1: TfraEndereco
      inherited edtCidade: TEdit
        Text = 'S'#227'o Paulo'
      end
    end
    object lblLimite: TLabel
      Left = 16
      Top = 168
      Width = 77
      Height = 13
      Caption = 'Limite de cr'#233'dito'
      FocusControl = edtLimite
    end
    object edtLimite: TEdit
      Left = 16
      Top = 184
      Width = 121
      Height = 21
      TabOrder = 2
    end
  end
  inherited dsCadastro: TDataSource
    DataSet = cdsClientes
  end
  object cdsClientes: TClientDataSet
    Aggregates = <>
    Params = <>
    Left = 408
    Top = 40
    object cdsClientesCODIGO: TIntegerField
      FieldName = 'CODIGO'
    end
    object cdsClientesNOME: TStringField
      FieldName = 'NOME'
      Size = 60
    end
    object cdsClientesLIMITE: TCurrencyField
      FieldName = 'LIMITE'
      DisplayFormat = ',0.00'
    end
  end
end
