unit uVazio;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls, ComCtrls;

type
  TfrmVazio = class(TForm)
    lblAviso: TLabel;
    imgLogo: TImage;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmVazio: TfrmVazio;

implementation

{$R *.dfm}

end.
