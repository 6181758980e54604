unit uPrincipal;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls;

type
  TfrmPrincipal = class(TForm)
    pnlMenu: TPanel;
    btnClientes: TButton;
    btnProdutos: TButton;
    procedure btnClientesClick(Sender: TObject);
    procedure btnProdutosClick(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmPrincipal: TfrmPrincipal;

implementation

{$R *.dfm}

uses
  uCadClientes, uCadProdutos;

procedure TfrmPrincipal.btnClientesClick(Sender: TObject);
begin
  with TfrmCadClientes.Create(Self) do
  try
    ShowModal;
  finally
    Free;
  end;
end;

procedure TfrmPrincipal.btnProdutosClick(Sender: TObject);
begin
  with TfrmCadProdutos.Create(Self) do
  try
    ShowModal;
  finally
    Free;
  end;
end;

end.
