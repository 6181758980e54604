object dmDados: TdmDados
  OldCreateOrder = False
  Left = 285
  Top = 161
  Height = 150
  Width = 215
  object conPrincipal: TADOConnection
    Connected = True
    ConnectionString = 'Provider=SQLOLEDB.1;Data Source=SERVIDOR'
    LoginPrompt = False
    Left = 24
    Top = 16
  end
  object qryClientes: TADOQuery
    Connection = conPrincipal
    SQL.Strings = (
      'select * from CLIENTES')
    Left = 96
    Top = 16
  end
end
