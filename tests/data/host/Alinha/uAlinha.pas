unit uAlinha;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls, DB;

type
  TfrmAlinha = class(TForm)
    edt_X: TEdit;
    edt_Y: TEdit;
    edt_Z: TEdit;
    pnl_Grupo: TPanel;
    lbl_Nome: TLabel;
    btn_Ok: TButton;
    ds_Dados: TDataSource;
  private
  public
  end;

var
  frmAlinha: TfrmAlinha;

implementation

{$R *.dfm}

end.
