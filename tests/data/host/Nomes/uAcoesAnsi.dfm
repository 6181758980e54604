object frmAcoesAnsi: TfrmAcoesAnsi
  Left = 200
  Top = 120
  Width = 320
  Height = 160
  Caption = 'A'#231#245'es'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object btnAñadir: TButton
    Left = 16
    Top = 16
    Width = 75
    Height = 25
    Action = Transferência
    TabOrder = 0
    OnClick = btnAñadirClick
  end
  object edtDescrição: TEdit
    Left = 16
    Top = 56
    Width = 200
    Height = 21
    TabOrder = 1
    Text = 'Descri'#231#227'o'
  end
  object alAções: TActionList
    Left = 240
    Top = 16
    object Transferência: TAction
      Caption = 'Transfer'#234'ncia'
    end
  end
end
