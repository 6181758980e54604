program Cadastros;

uses
  Forms,
  uPrincipal in 'uPrincipal.pas' {frmPrincipal},
  uCadastroBase in 'uCadastroBase.pas' {frmCadastroBase},
  uFraEndereco in 'uFraEndereco.pas' {fraEndereco: TFrame},
  uCadPessoas in 'uCadPessoas.pas' {frmCadPessoas},
  uCadClientes in 'uCadClientes.pas' {frmCadClientes},
  uCadProdutos in 'uCadProdutos.pas' {frmCadProdutos};

{$R *.res}

begin
  Application.Initialize;
  Application.Title := 'Cadastros';
  Application.CreateForm(TfrmPrincipal, frmPrincipal);
  Application.Run;
end.
