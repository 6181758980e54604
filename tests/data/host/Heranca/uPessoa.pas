unit uPessoa;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  uBase, DB, StdCtrls, ExtCtrls;

type
  TfrmPessoa = class(TfrmBase)
    lblNome: TLabel;
    lblDocumento: TLabel;
    edtNome: TEdit;
    edtDocumento: TEdit;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  frmPessoa: TfrmPessoa;

implementation

{$R *.dfm}

end.
