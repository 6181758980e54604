unit uContatos;

{$mode objfpc}{$H+}

interface

uses
  Classes, SysUtils, Forms, Controls, Graphics, Dialogs, StdCtrls, DBCtrls, DBGrids,
  ExtCtrls, Buttons, uBase;

type

  { TfrmContatos }

  TfrmContatos = class(TfrmBase)
    lblNome: TLabel;
    edtNome: TDBEdit;
    lblTelefone: TLabel;
    edtTelefone: TDBEdit;
    lblGrupo: TLabel;
    cbxGrupo: TDBLookupComboBox;
    grdContatos: TDBGrid;
    navContatos: TDBNavigator;
  private

  public

  end;

var
  frmContatos: TfrmContatos;

implementation

uses
  uDados;

{$R *.lfm}

end.
