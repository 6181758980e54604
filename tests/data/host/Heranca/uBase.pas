unit uBase;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls, DB;

type
  TfrmBase = class(TForm)
    pnlBotoes: TPanel;
    btnSalvar: TButton;
    btnCancelar: TButton;
    pnlDados: TPanel;
    dsDados: TDataSource;
    procedure btnCancelarClick(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmBase: TfrmBase;

implementation

{$R *.dfm}

procedure TfrmBase.btnCancelarClick(Sender: TObject);
begin
  Close;
end;

end.
