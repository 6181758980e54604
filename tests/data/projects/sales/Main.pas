unit Main;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls, DBCtrls, Buttons;

type
  TOrderState = (osOpen, osClosed);

  { The main window: order list and actions }
  TfrmMain = class(TForm)
    pnlTop: TPanel;
    lblName, lblCity: TLabel;
    edtName: TDBEdit; // customer name
    (* the confirm button *)
    btnOk: TBitBtn;
    procedure btnOkClick(Sender: TObject);
    procedure FormCreate(Sender: TObject);
  private
    FState: TOrderState;
    edtHidden: TEdit;
  public
    procedure Refresh;
  end;

var
  frmMain: TfrmMain;

implementation

{$R *.dfm}

procedure TfrmMain.btnOkClick(Sender: TObject);
begin
  // edtName: TDBEdit; is not a declaration here
  if edtName.Text = '' then
    ShowMessage('Informe o nome; edtName está vazio');
  btnOk.Enabled := False;
end;

procedure TfrmMain.FormCreate(Sender: TObject);
begin
  FState := osOpen;
end;

procedure TfrmMain.Refresh;
begin
end;

end.
