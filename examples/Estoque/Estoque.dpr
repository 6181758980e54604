program Estoque;

uses
  Forms,
  uPrincipal in 'uPrincipal.pas' {frmPrincipal},
  uProdutos in 'uProdutos.pas' {frmProdutos},
  uMovimento in 'uMovimento.pas' {Form3},
  uDM in 'uDM.pas' {DM: TDataModule},
  uFuncoes in 'uFuncoes.pas';

{$R *.res}

begin
  Application.Initialize;
  Application.Title := 'Controle de Estoque';
  Application.CreateForm(TDM, DM);
  Application.CreateForm(TfrmPrincipal, frmPrincipal);
  Application.CreateForm(TfrmProdutos, frmProdutos);
  Application.CreateForm(TForm3, Form3);
  Application.Run;
end.
