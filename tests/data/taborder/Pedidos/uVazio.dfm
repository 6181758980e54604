object frmVazio: TfrmVazio
  Left = 300
  Top = 200
  Width = 200
  Height = 120
  Caption = 'Aviso'
  Color = clBtnFace
  PixelsPerInch = 96
  TextHeight = 13
  object lblAviso: TLabel
    Left = 8
    Top = 8
    Width = 30
    Height = 13
    Caption = 'Aviso'
  end
  object imgLogo: TImage
    Left = 8
    Top = 30
    Width = 32
    Height = 32
    Picture.Data = {
      07544269746D61703E000000424D3E000000000000003E000000280000000100
      0000010000000100010000000000000000000000000000000000000000000000
      000000000000FFFFFF0080000000}
  end
end
