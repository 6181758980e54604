unit uPrincipal;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  Menus, ExtCtrls, StdCtrls, ComCtrls;

type
  TfrmPrincipal = class(TForm)
    MainMenu1: TMainMenu;
    Cadastros1: TMenuItem;
    Produtos1: TMenuItem;
    Movimento1: TMenuItem;
    N1: TMenuItem;
    Sair1: TMenuItem;
    Panel1: TPanel;
    Label1: TLabel;
    StatusBar1: TStatusBar;
    Timer1: TTimer;
    procedure Produtos1Click(Sender: TObject);
    procedure Movimento1Click(Sender: TObject);
    procedure Sair1Click(Sender: TObject);
    procedure Timer1Timer(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmPrincipal: TfrmPrincipal;

implementation

uses uProdutos, uMovimento;

{$R *.dfm}

procedure TfrmPrincipal.Produtos1Click(Sender: TObject);
begin
  frmProdutos.ShowModal;
end;

procedure TfrmPrincipal.Movimento1Click(Sender: TObject);
begin
  Form3.ShowModal;
end;

procedure TfrmPrincipal.Sair1Click(Sender: TObject);
begin
  Close;
end;

procedure TfrmPrincipal.Timer1Timer(Sender: TObject);
begin
  StatusBar1.SimpleText := FormatDateTime('dd/mm/yyyy hh:nn', Now);
end;

end.
