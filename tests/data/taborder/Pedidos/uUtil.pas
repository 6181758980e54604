unit uUtil;

interface

function Dobro(Valor: Integer): Integer;

implementation

function Dobro(Valor: Integer): Integer;
begin
  Result := Valor * 2;
end;

end.
