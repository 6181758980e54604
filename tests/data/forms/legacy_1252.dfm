object frmLegado: TfrmLegado
  Caption = 'Relatório de Crédito €'
  Hint = 'Função'#13#10'Próxima'
  object lblCodigo: TLabel
    Caption = 'Código'
  end
end
