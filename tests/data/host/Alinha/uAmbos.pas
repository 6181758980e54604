unit uAmbos;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls;

type
  TfrmAmbos = class(TForm)
  private
  public
  end;

var
  frmAmbos: TfrmAmbos;

implementation

{$R *.dfm}

end.
