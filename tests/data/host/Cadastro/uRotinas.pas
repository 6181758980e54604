unit uRotinas;

interface

function Soma(A, B: Integer): Integer;
procedure Limpa(var Texto: string; const Tamanho: Integer = 0);

implementation

function Soma(A, B: Integer): Integer;
begin
  Result := A + B;
end;

procedure Limpa(var Texto: string; const Tamanho: Integer);
begin
  Texto := '';
end;

end.
