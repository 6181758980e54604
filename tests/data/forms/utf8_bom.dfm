object frmUnicode: TfrmUnicode
  Caption = 'Relatório €'
  Hint = '日本'#13#10'fim'
end
