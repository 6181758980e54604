unit uBase;

{$mode objfpc}{$H+}

interface

uses
  Classes, SysUtils, Forms, Controls, Graphics, Dialogs, ExtCtrls, Buttons;

type

  { TfrmBase }

  TfrmBase = class(TForm)
    pnlBotoes: TPanel;
    btnFechar: TBitBtn;
  private

  public

  end;

var
  frmBase: TfrmBase;

implementation

{$R *.lfm}

end.
