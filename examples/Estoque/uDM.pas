unit uDM;

interface

uses
  SysUtils, Classes, DB, ADODB, DBTables;

type
  TDM = class(TDataModule)
    ADOConnection1: TADOConnection;
    Query1: TADOQuery;
    Table1: TTable;
    Database1: TDatabase;
    procedure DataModuleCreate(Sender: TObject);
  private
  public
    function ProximoCodigo(const Tabela, Campo: string): Integer;
  end;

var
  DM: TDM;

implementation

{$R *.dfm}

procedure TDM.DataModuleCreate(Sender: TObject);
begin
  ADOConnection1.Connected := True;
end;

function TDM.ProximoCodigo(const Tabela, Campo: string): Integer;
begin
  with TADOQuery.Create(nil) do
  try
    Connection := ADOConnection1;
    SQL.Text := 'select max(' + Campo + ') from ' + Tabela;
    Open;
    Result := Fields[0].AsInteger + 1;
  finally
    Free;
  end;
end;

end.
