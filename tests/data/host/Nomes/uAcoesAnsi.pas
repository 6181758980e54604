unit uAcoesAnsi;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ActnList;

type
  TfrmAcoesAnsi = class(TForm)
    btnAñadir: TButton;
    edtDescrição: TEdit;
    alAções: TActionList;
    Transferência: TAction;
    procedure btnAñadirClick(Sender: TObject);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmAcoesAnsi: TfrmAcoesAnsi;

implementation

{$R *.dfm}

procedure TfrmAcoesAnsi.btnAñadirClick(Sender: TObject);
begin
  edtDescrição.Clear;
end;

end.
