unit uCliente;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  uPessoa, DB, DBClient, StdCtrls, ExtCtrls;

type
  TfrmCliente = class(TfrmPessoa)
    lblLimite: TLabel;
    edtLimite: TEdit;
    cdsClientes: TClientDataSet;
    cdsClientesNOME: TStringField;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmCliente: TfrmCliente;

implementation

{$R *.dfm}

end.
