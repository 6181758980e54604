unit uSolto;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls, ComCtrls;

type
  TfrmSolto = class(TForm)
    edtPrimeiro: TEdit;
    edtSegundo: TEdit;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmSolto: TfrmSolto;

implementation

{$R *.dfm}

end.
