object DM: TDM
  OldCreateOrder = False
  OnCreate = DataModuleCreate
  Left = 192
  Top = 107
  Height = 220
  Width = 300
  object ADOConnection1: TADOConnection
    Connected = True
    ConnectionString = 
      'Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\Estoque\estoque.md' +
      'b;Persist Security Info=False'
    LoginPrompt = False
    Mode = cmShareDenyNone
    Provider = 'Microsoft.Jet.OLEDB.4.0'
    Left = 40
    Top = 16
  end
  object Query1: TADOQuery
    Active = True
    Connection = ADOConnection1
    CursorType = ctStatic
    Parameters = <>
    SQL.Strings = (
      'select CODIGO, DESCRICAO from PRODUTO'
      'order by DESCRICAO')
    Left = 128
    Top = 16
  end
  object Table1: TTable
    DatabaseName = 'ESTOQUE'
    TableName = 'FORNECEDOR.DB'
    Left = 40
    Top = 80
  end
  object Database1: TDatabase
    AliasName = 'ESTOQUE'
    Connected = True
    DatabaseName = 'ESTOQUE'
    LoginPrompt = False
    SessionName = 'Default'
    Left = 128
    Top = 80
  end
end
