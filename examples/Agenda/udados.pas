unit uDados;

{$mode objfpc}{$H+}

interface

uses
  Classes, SysUtils, DB, SQLDB, SQLite3Conn;

type

  { TdmDados }

  TdmDados = class(TDataModule)
    conAgenda: TSQLite3Connection;
    trnAgenda: TSQLTransaction;
    qryContatos: TSQLQuery;
    qryContatosID: TLongintField;
    qryContatosNOME: TStringField;
    qryContatosTELEFONE: TStringField;
    qryContatosGRUPO: TLongintField;
    qryGrupos: TSQLQuery;
    dsContatos: TDataSource;
    dsGrupos: TDataSource;
  private

  public

  end;

var
  dmDados: TdmDados;

implementation

{$R *.lfm}

end.
