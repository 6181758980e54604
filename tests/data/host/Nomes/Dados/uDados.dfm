object dmDados: TdmDados
  OldCreateOrder = False
  Left = 285
  Top = 161
  Height = 200
  Width = 300
  object dbPrincipal: TDatabase
    AliasName = 'DBDEMOS'
    Connected = True
    DatabaseName = 'Principal'
    LoginPrompt = False
    SessionName = 'Default'
    Left = 24
    Top = 16
  end
  object tblClientes: TTable
    Active = True
    DatabaseName = 'Principal'
    Exclusive = True
    TableName = 'CLIENTES'
    Left = 96
    Top = 16
  end
  object qryPedidos: TQuery
    Active = True
    DatabaseName = 'Principal'
    SQL.Strings = (
      'select * from PEDIDOS'
      'where VALOR > 0')
    Left = 160
    Top = 16
  end
  object conReserva: TADOConnection
    ConnectionString = 'Provider=SQLOLEDB.1;Data Source=RESERVA'
    LoginPrompt = False
    Left = 24
    Top = 80
  end
  object tblFechada: TTable
    DatabaseName = 'Principal'
    TableName = 'FECHADA'
    Left = 96
    Top = 80
  end
end
