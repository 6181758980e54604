unit uFuncoes;

{ Rotinas de apoio do controle de estoque }

interface

uses
  SysUtils, Classes;

function IIf(Condicao: Boolean; ValorSim, ValorNao: Variant): Variant;
function FormataValor(const Valor: Currency; Casas: Integer = 2): string;
procedure SeparaCampos(const Linha: string; Separador: Char; Campos: TStrings);
function CalculaSaldo(Entradas, Saidas: Double; var Minimo: Double): Double;

implementation

function IIf(Condicao: Boolean; ValorSim, ValorNao: Variant): Variant;
begin
  if Condicao then
    Result := ValorSim
  else
    Result := ValorNao;
end;

function FormataValor(const Valor: Currency; Casas: Integer = 2): string;
begin
  Result := FloatToStrF(Valor, ffNumber, 15, Casas);
end;

procedure SeparaCampos(const Linha: string; Separador: Char; Campos: TStrings);
var
  I: Integer;
  Atual: string;
begin
  Campos.Clear;
  Atual := '';
  for I := 1 to Length(Linha) do
    if Linha[I] = Separador then
    begin
      Campos.Add(Atual);
      Atual := '';
    end
    else
      Atual := Atual + Linha[I];
  Campos.Add(Atual);
end;

function CalculaSaldo(Entradas, Saidas: Double; var Minimo: Double): Double;
begin
  Result := Entradas - Saidas;
  if Result < Minimo then
    Minimo := Result;
end;

end.
