program Nomes;

uses
  Forms,
  uNomes in 'uNomes.pas' {frmNomes},
  uDados in 'Dados\uDados.pas' {dmDados: TDataModule};

{$R *.res}

begin
  Application.Initialize;
  Application.CreateForm(TfrmNomes, frmNomes);
  Application.CreateForm(TdmDados, dmDados);
  Application.Run;
end.
