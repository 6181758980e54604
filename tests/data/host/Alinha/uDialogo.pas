unit uDialogo;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls;

type
  TdlgDialogo = class(TForm)
    btn_Fechar: TButton;
  private
  public
  end;

var
  dlgDialogo: TdlgDialogo;

implementation

{$R *.dfm}

end.
