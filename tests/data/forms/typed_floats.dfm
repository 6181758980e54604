object frmPrecos: TfrmPrecos
  Left = 200
  Top = 120
  Width = 400
  Height = 240
  Caption = 'Pre'#231'os'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object dtpInicio: TDateTimePicker
    Left = 16
    Top = 16
    Width = 186
    Height = 21
    CalAlignment = dtaLeft
    Date = 38353.5d
    Time = 38353.5d
    DateFormat = dfShort
    DateMode = dmComboBox
    Kind = dtkDate
    ParseInput = False
    TabOrder = 0
  end
  object gauEscala: TEscalaGauge
    Left = 16
    Top = 48
    Width = 186
    Height = 21
    Fator = 1.5s
    Minimo = -2.5E-5s
    Maximo = 1E20
    Zero = 0d
  end
  object qryPrecos: TQuery
    DatabaseName = 'Estoque'
    Params = <
      item
        DataType = ftCurrency
        Name = 'PRECO'
        ParamType = ptInput
        Value = 123400c
      end
      item
        DataType = ftCurrency
        Name = 'DESCONTO'
        ParamType = ptInput
        Value = -25000c
      end
      item
        DataType = ftDate
        Name = 'DATA'
        ParamType = ptInput
        Value = 38353d
      end>
    Left = 224
    Top = 16
  end
end
