unit uTerceiros;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, DB, AdvPanel, JvEdit, JvTimer, ZDataset, ZFields;

type
  TfrmTerceiros = class(TForm)
    pnlTopo: TAdvPanel;
    edtNome: TEdit;
    edtCodigo: TJvEdit;
    edtCidade: TEdit;
    qryClientes: TZQuery;
    qryClientesID: TZIntegerField;
    qryClientesNOME: TStringField;
    tmrRelogio: TJvTimer;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmTerceiros: TfrmTerceiros;

implementation

{$R *.dfm}

end.
