unit uCadClientes;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  uCadPessoas, DB, DBClient, StdCtrls, ExtCtrls, uFraEndereco;

type
  TfrmCadClientes = class(TfrmCadPessoas)
    lblLimite: TLabel;
    edtLimite: TEdit;
    cdsClientes: TClientDataSet;
    cdsClientesCODIGO: TIntegerField;
    cdsClientesNOME: TStringField;
    cdsClientesLIMITE: TCurrencyField;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmCadClientes: TfrmCadClientes;

implementation

{$R *.dfm}

end.
