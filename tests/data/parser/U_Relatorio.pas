unit U_Relatorio;

{ Impressão do relatório de vendas }

interface

uses SysUtils, Classes;

type
  TRelatorio = class
  public
    function Imprime(const Titulo: string = 'Relatório'; Copias: Integer = 1): Boolean;
  end;

implementation

{ Cabeçalho escrito pelo gerador de comentários }
function TRelatorio.Imprime(const Titulo: string = 'Relatório'; Copias: Integer = 1): Boolean;
begin
  Result := Copias > 0;
end;

end.
