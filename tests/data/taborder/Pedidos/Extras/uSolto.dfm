object frmSolto: TfrmSolto
  Left = 100
  Top = 100
  Width = 200
  Height = 120
  Caption = 'Solto'
  PixelsPerInch = 96
  TextHeight = 13
  object edtPrimeiro: TEdit
    Left = 8
    Top = 8
    Width = 121
    Height = 21
    TabOrder = 0
  end
  object edtSegundo: TEdit
    Left = 8
    Top = 40
    Width = 121
    Height = 21
    TabOrder = 1
  end
end
