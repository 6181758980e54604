unit uProdutos;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls, Mask, DBCtrls, Grids, DBGrids, DB, DBClient, Buttons;

type
  TfrmProdutos = class(TForm)
    Panel1: TPanel;
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    Label4: TLabel;
    DBEdit1: TDBEdit;
    DBEdit2: TDBEdit;
    DBEdit3: TDBEdit;
    Edit1: TEdit;
    Panel2: TPanel;
    DBGrid1: TDBGrid;
    DBNavigator1: TDBNavigator;
    BitBtn1: TBitBtn;
    BitBtn2: TBitBtn;
    CheckBox1: TCheckBox;
    ClientDataSet1: TClientDataSet;
    ClientDataSet1CODIGO: TIntegerField;
    ClientDataSet1DESCRICAO: TStringField;
    ClientDataSet1PRECO: TCurrencyField;
    DataSource1: TDataSource;
    procedure BitBtn1Click(Sender: TObject);
    procedure Edit1Change(Sender: TObject);
  private
    function FiltroAtual: string;
  public
    procedure Pesquisa(const Texto: string; Exato: Boolean = False);
  end;

var
  frmProdutos: TfrmProdutos;

implementation

uses uFuncoes;

{$R *.dfm}

function TfrmProdutos.FiltroAtual: string;
begin
  Result := 'DESCRICAO LIKE ' + QuotedStr(Edit1.Text + '%');
end;

procedure TfrmProdutos.Pesquisa(const Texto: string; Exato: Boolean = False);
begin
  if Exato then
    ClientDataSet1.Filter := 'DESCRICAO = ' + QuotedStr(Texto)
  else
    ClientDataSet1.Filter := FiltroAtual;
  ClientDataSet1.Filtered := Texto <> '';
end;

procedure TfrmProdutos.BitBtn1Click(Sender: TObject);
begin
  if ClientDataSet1.State in [dsEdit, dsInsert] then
    ClientDataSet1.Post;
  Close;
end;

procedure TfrmProdutos.Edit1Change(Sender: TObject);
begin
  Pesquisa(Edit1.Text, CheckBox1.Checked);
end;

end.
