inherited frmCadProdutos: TfrmCadProdutos
  Caption = 'Cadastro de Produtos'
  PixelsPerInch = 96
  TextHeight = 13
  inherited pnlTopo: TPanel
    inherited lblTitulo: TLabel
      Width = 59
      Caption = 'Produtos'
    end
  end
  inherited pnlBotoes: TPanel
    inherited btnExcluir: TButton
      Enabled = False
    end
  end
  inherited pnlDados: TPanel
    object lblDescricao: TLabel
      Left = 16
      Top = 16
      Width = 48
      Height = 13
      Caption = 'Descri'#231#227'o'
      FocusControl = edtDescricao
    end
    object lblPreco: TLabel
      Left = 16
      Top = 64
      Width = 28
      Height = 13
      Caption = 'Pre'#231'o'
      FocusControl = edtPreco
    end
    object edtDescricao: TEdit
      Left = 16
      Top = 32
      Width = 313
      Height = 21
      TabOrder = 0
    end
    object edtPreco: TEdit
      Left = 16
      Top = 80
      Width = 97
      Height = 21
      TabOrder = 1
    end
  end
  inherited dsCadastro: TDataSource
    DataSet = cdsProdutos
  end
  object cdsProdutos: TClientDataSet
    Aggregates = <>
    Params = <>
    Left = 408
    Top = 40
    object cdsProdutosDESCRICAO: TStringField
      FieldName = 'DESCRICAO'
      Size = 60
    end
    object cdsProdutosPRECO: TCurrencyField
      FieldName = 'PRECO'
      MaxValue = 100000
    end
  end
end
