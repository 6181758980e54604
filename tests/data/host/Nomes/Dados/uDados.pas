unit uDados;

interface

uses
  SysUtils, Classes, DB, DBTables, ADODB;

type
  TdmDados = class(TDataModule)
    dbPrincipal: TDatabase;
    tblClientes: TTable;
    qryPedidos: TQuery;
    conReserva: TADOConnection;
    tblFechada: TTable;
  private
  public
  end;

var
  dmDados: TdmDados;

implementation

{$R *.dfm}

end.
