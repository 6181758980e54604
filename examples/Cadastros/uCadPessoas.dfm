inherited frmCadPessoas: TfrmCadPessoas
  Caption = 'Cadastro de Pessoas'
  PixelsPerInch = 96
  TextHeight = 13
  inherited pnlTopo: TPanel
    inherited lblTitulo: TLabel
      Width = 54
      Caption = 'Pessoas'
    end
  end
  inherited pnlDados: TPanel
    object lblNome: TLabel
      Left = 16
      Top = 16
      Width = 28
      Height = 13
      Caption = 'Nome'
      FocusControl = edtNome
    end
    object edtNome: TEdit
      Left = 16
      Top = 32
      Width = 313
      Height = 21
      TabOrder = 0
    end
    inline fraEndereco1: TfraEndereco
      Left = 16
      Top = 64
      TabOrder = 1
      inherited cbxUF: TComboBox
        ItemIndex = 5
        Text = 'SP'
      end
    end
  end
end
