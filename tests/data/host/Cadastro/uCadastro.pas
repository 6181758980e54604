unit uCadastro;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls, Grids, DBGrids, DB, DBClient;

type
  TfrmCadastro = class(TForm)
    Panel1: TPanel;
    Label1: TLabel;
    Edit1: TEdit;
    Edit2: TEdit;
    Panel2: TPanel;
    DBGrid1: TDBGrid;
    Memo1: TMemo;
    Button1: TButton;
    ClientDataSet1: TClientDataSet;
    DataSource1: TDataSource;
    procedure Button1Click(Sender: TObject);
  private
    { Edit1 fica aqui só como comentário }
  public
  end;

var
  frmCadastro: TfrmCadastro;

implementation

{$R *.dfm}

procedure TfrmCadastro.Button1Click(Sender: TObject);
begin
  Edit1.Text := 'Olá';
end;

end.
