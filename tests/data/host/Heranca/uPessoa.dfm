inherited frmPessoa: TfrmPessoa
  Caption = 'Cadastro de Pessoas'
  PixelsPerInch = 96
  TextHeight = 13
  inherited pnlDados: TPanel
    object lblNome: TLabel
      Left = 16
      Top = 16
      Width = 28
      Height = 13
      Caption = 'Nome'
      FocusControl = edtNome
    end
    object lblDocumento: TLabel
      Left = 16
      Top = 64
      Width = 55
      Height = 13
      Caption = 'Documento'
      FocusControl = edtDocumento
    end
    object edtNome: TEdit
      Left = 16
      Top = 32
      Width = 300
      Height = 21
      TabOrder = 0
    end
    object edtDocumento: TEdit
      Left = 16
      Top = 80
      Width = 150
      Height = 21
      TabOrder = 1
    end
  end
end
