unit uTab;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls, ComCtrls;

type
  TfrmTab = class(TForm)
    lblNome: TLabel;
    pnlTopo: TPanel;
    BtnCancelar: TButton;
    btnAjuda: TButton;
    btnOk: TButton;
    edtDireita: TEdit;
    edtEsquerda: TEdit;
    edtNegativo: TEdit;
    edtPositivo: TEdit;
    pgcDados: TPageControl;
    tbsGeral: TTabSheet;
    memObs: TMemo;
    lvItens: TListView;
    stbRodape: TStatusBar;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmTab: TfrmTab;

implementation

{$R *.dfm}

end.
