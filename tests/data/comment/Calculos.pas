unit Calculos;

{ Rotinas de cálculo usadas pelas telas de lançamento. }

interface

uses
  SysUtils;

type
  TCalculadora = class(TObject)
  private
    FTotal: Integer;
  public
    procedure Acumula(var Total: Integer; Valor: Integer);
    property Total: Integer read FTotal;
  end;

function Soma(A, B: Integer): Integer;
procedure Foo;
procedure FooBar;

implementation

function Soma(A, B: Integer): Integer;
begin
  Result := A + B;
end;

procedure Foo;
begin
  // Não faz nada: ponto de extensão.
end;

procedure FooBar;
begin
end;

procedure TCalculadora.Acumula(var Total: Integer; Valor: Integer);
begin
  Inc(Total, Valor);
  FTotal := Total;
end;

end.
