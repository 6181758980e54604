unit uNomes;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, Mask, DBCtrls, DB, DBClient, ExtCtrls;

type
  TfrmNomes = class(TForm)
    pnl_Topo: TPanel;
    Label1: TLabel;
    edtNome: TEdit;
    Label2: TLabel;
    EDTCidade: TEdit;
    Label3: TLabel;
    lbl_edtNome: TLabel;
    Button1: TButton;
    DBEdit1: TDBEdit;
    DBEdit2: TDBEdit;
    dbe_NOME2: TDBEdit;
    DBEdit3: TDBEdit;
    DBText1: TDBText;
    ClientDataSet1: TClientDataSet;
    DataSource1: TDataSource;
    procedure Button1Click(Sender: TObject);
  private
    { Button1 só aparece aqui num comentário }
  public
  end;

var
  frmNomes: TfrmNomes;

implementation

{$R *.dfm}

procedure TfrmNomes.Button1Click(Sender: TObject);
begin
  edtNome.Text := 'Olá';
end;

end.
