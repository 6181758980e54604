inherited frmOrderEntry: TfrmOrderEntry
  Caption = 'Pedidos'
  ClientHeight = 373
  OldCreateOrder = True
  PixelsPerInch = 96
  TextHeight = 13
  inherited pnl_Back: TPanel
    Height = 332
    object lblTotal: TLabel
      Left = 16
      Top = 300
      Width = 27
      Height = 13
      Caption = 'Total:'
      Font.Color = $00C08000
      Font.Style = [fsBold, fsUnderline]
      ParentFont = False
    end
    inline fraAddress: TfraAddress
      Left = 8
      Top = 8
      Width = 320
      Height = 120
      TabOrder = 0
      inherited edtStreet: TEdit
        Width = 281
      end
    end
  end
  inherited pnl_down: TPanel
    Top = 332
    inherited bbtn_Ok: TBitBtn [0]
      Left = 184
    end
    inherited bbtn_Cancel: TBitBtn [1]
    end
  end
  object TActionList
    Left = 8
    Top = 8
  end
  object cdsItems: TClientDataSet
    Aggregates = <>
    Params = <>
    Left = 40
    Top = 8
  end
end
