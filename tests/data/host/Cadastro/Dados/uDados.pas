unit uDados;

interface

uses
  SysUtils, Classes, DB, ADODB;

type
  TdmDados = class(TDataModule)
    conPrincipal: TADOConnection;
    qryClientes: TADOQuery;
  private
  public
  end;

var
  dmDados: TdmDados;

implementation

{$R *.dfm}

end.
