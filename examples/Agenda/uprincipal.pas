unit uPrincipal;

{$mode objfpc}{$H+}

interface

uses
  Classes, SysUtils, Forms, Controls, Graphics, Dialogs, Menus, ComCtrls, StdCtrls;

type

  { TfrmPrincipal }

  TfrmPrincipal = class(TForm)
    btnContatos: TButton;
    lblTitulo: TLabel;
    mnuPrincipal: TMainMenu;
    mniArquivo: TMenuItem;
    mniContatos: TMenuItem;
    mniSair: TMenuItem;
    stbStatus: TStatusBar;
    procedure btnContatosClick(Sender: TObject);
    procedure mniSairClick(Sender: TObject);
  private

  public

  end;

var
  frmPrincipal: TfrmPrincipal;

implementation

uses
  uContatos;

{$R *.lfm}

{ TfrmPrincipal }

procedure TfrmPrincipal.btnContatosClick(Sender: TObject);
begin
  with TfrmContatos.Create(Self) do
  try
    ShowModal;
  finally
    Free;
  end;
end;

procedure TfrmPrincipal.mniSairClick(Sender: TObject);
begin
  Close;
end;

end.
