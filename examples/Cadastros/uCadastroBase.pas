unit uCadastroBase;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls, DB;

type
  TfrmCadastroBase = class(TForm)
    pnlTopo: TPanel;
    lblTitulo: TLabel;
    pnlBotoes: TPanel;
    btnNovo: TButton;
    btnGravar: TButton;
    btnExcluir: TButton;
    btnFechar: TButton;
    pnlDados: TPanel;
    dsCadastro: TDataSource;
    procedure btnFecharClick(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmCadastroBase: TfrmCadastroBase;

implementation

{$R *.dfm}

procedure TfrmCadastroBase.btnFecharClick(Sender: TObject);
begin
  Close;
end;

end.
