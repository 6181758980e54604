program Cadastro;

uses
  Forms,
  uCadastro in 'uCadastro.pas' {frmCadastro},
  uRotinas in 'uRotinas.pas',
  uDados in 'Dados\uDados.pas' {dmDados: TDataModule};

{$R *.res}

begin
  Application.Initialize;
  Application.CreateForm(TfrmCadastro, frmCadastro);
  Application.CreateForm(TdmDados, dmDados);
  Application.Run;
end.
