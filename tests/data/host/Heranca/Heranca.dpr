program Heranca;

uses
  Forms,
  uBase in 'uBase.pas' {frmBase},
  uPessoa in 'uPessoa.pas' {frmPessoa},
  uCliente in 'uCliente.pas' {frmCliente};

{$R *.res}

begin
  Application.Initialize;
  Application.CreateForm(TfrmCliente, frmCliente);
  Application.Run;
end.
