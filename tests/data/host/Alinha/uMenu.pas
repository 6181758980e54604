unit uMenu;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  Menus;

type
  TfrmMenu = class(TForm)
    MainMenu1: TMainMenu;
    mi_Arquivo: TMenuItem;
  private
  public
  end;

var
  frmMenu: TfrmMenu;

implementation

{$R *.dfm}

end.
