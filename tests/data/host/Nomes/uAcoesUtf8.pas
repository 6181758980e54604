unit uAcoesUtf8;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ActnList;

type
  TfrmAcoesUtf8 = class(TForm)
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
  frmAcoesUtf8: TfrmAcoesUtf8;

implementation

{$R *.dfm}

procedure TfrmAcoesUtf8.btnAñadirClick(Sender: TObject);
begin
  edtDescrição.Clear;
end;

end.
