unit uCadPessoas;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  uCadastroBase, DB, StdCtrls, ExtCtrls, uFraEndereco;

type
  TfrmCadPessoas = class(TfrmCadastroBase)
    lblNome: TLabel;
    edtNome: TEdit;
    fraEndereco1: TfraEndereco;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmCadPessoas: TfrmCadPessoas;

implementation

{$R *.dfm}

end.
