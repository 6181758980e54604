unit uCadProdutos;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  uCadastroBase, DB, DBClient, StdCtrls, ExtCtrls;

type
  TfrmCadProdutos = class(TfrmCadastroBase)
    lblDescricao: TLabel;
    edtDescricao: TEdit;
    lblPreco: TLabel;
    edtPreco: TEdit;
    cdsProdutos: TClientDataSet;
    cdsProdutosDESCRICAO: TStringField;
    cdsProdutosPRECO: TCurrencyField;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmCadProdutos: TfrmCadProdutos;

implementation

{$R *.dfm}

end.
