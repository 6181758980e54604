program Pedidos;

uses
  Forms,
  uTab in 'uTab.pas' {frmTab},
  uVazio in 'uVazio.pas' {frmVazio},
  uUtil in 'uUtil.pas';

{$R *.res}

begin
  Application.Initialize;
  Application.CreateForm(TfrmTab, frmTab);
  Application.CreateForm(TfrmVazio, frmVazio);
  Application.Run;
end.
