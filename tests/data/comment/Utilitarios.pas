unit Utilitarios;

interface

type
	TConversor = class
	public
		function ParaTexto(const Valor: Double; Casas: Integer): string;
	end;

procedure Registra(const Mensagem: string);

implementation

uses
	SysUtils;

function TConversor.ParaTexto(const Valor: Double; Casas: Integer): string;
begin
	Result := FloatToStrF(Valor, ffFixed, 15, Casas); { sem separador de milhar }
end;

procedure Registra(const Mensagem: string);
begin
	WriteLn('Situação: ', Mensagem);
end;

end.
