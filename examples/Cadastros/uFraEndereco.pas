unit uFraEndereco;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls;

type
  TfraEndereco = class(TFrame)
    lblEndereco: TLabel;
    edtEndereco: TEdit;
    lblCidade: TLabel;
    edtCidade: TEdit;
    lblUF: TLabel;
    cbxUF: TComboBox;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  fraEndereco: TfraEndereco;

implementation

{$R *.dfm}

end.
