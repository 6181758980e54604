object frmTerceiros: TfrmTerceiros
  Left = 192
  Top = 114
  Width = 480
  Height = 300
  Caption = 'Clientes'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object pnlTopo: TAdvPanel
    Left = 0
    Top = 0
    Width = 472
    Height = 41
    Align = alTop
    object edtNome: TEdit
      Left = 8
      Top = 10
      Width = 200
      Height = 21
      TabOrder = 0
    end
  end
  object edtCodigo: TJvEdit
    Left = 8
    Top = 56
    Width = 121
    Height = 21
    ClipboardCommands = [caCopy]
    TabOrder = 2
  end
  object edtCidade: TEdit
    Left = 8
    Top = 88
    Width = 121
    Height = 21
    TabOrder = 1
  end
  object qryClientes: TZQuery
    Active = True
    SQL.Strings = (
      'select ID, NOME from CLIENTES')
    Params = <>
    Left = 240
    Top = 56
    object qryClientesID: TZIntegerField
      FieldName = 'ID'
      Required = True
    end
    object qryClientesNOME: TStringField
      FieldName = 'NOME'
      Size = 60
    end
  end
  object tmrRelogio: TJvTimer
    Interval = 500
    Left = 280
    Top = 56
  end
end
