unit uFiltro;

{$mode objfpc}{$H+}

interface

uses
  Classes, SysUtils, Forms, Controls, StdCtrls;

type

  { TfraFiltro }

  TfraFiltro = class(TFrame)
    lblFiltro: TLabel;
    edtFiltro: TEdit;
  private

  public

  end;

implementation

{$R *.lfm}

end.
