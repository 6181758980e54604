object fraEndereco: TfraEndereco
  Left = 0
  Top = 0
  Width = 320
  Height = 97
  TabOrder = 0
  object lblEndereco: TLabel
    Left = 0
    Top = 0
    Width = 46
    Height = 13
    Caption = 'Endere'#231'o'
    FocusControl = edtEndereco
  end
  object lblCidade: TLabel
    Left = 0
    Top = 48
    Width = 33
    Height = 13
    Caption = 'Cidade'
    FocusControl = edtCidade
  end
  object lblUF: TLabel
    Left = 256
    Top = 48
    Width = 14
    Height = 13
    Caption = 'UF'
    FocusControl = cbxUF
  end
  object edtEndereco: TEdit
    Left = 0
    Top = 16
    Width = 313
    Height = 21
    TabOrder = 0
  end
  object edtCidade: TEdit
    Left = 0
    Top = 64
    Width = 249
    Height = 21
    TabOrder = 1
  end
  object cbxUF: TComboBox
    Left = 256
    Top = 64
    Width = 57
    Height = 21
    Style = csDropDownList
    ItemHeight = 13
    TabOrder = 2
    Items.Strings = (
      'AC'
      'BA'
      'MG'
      'RJ'
      'RS'
      'SP')
  end
end
