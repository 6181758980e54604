unit uMovimento;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls, DBCtrls, Grids, DBGrids, DB, ADODB, ComCtrls;

type
  TForm3 = class(TForm)
    GroupBox1: TGroupBox;
    Label1: TLabel;
    Label2: TLabel;
    Label3: TLabel;
    DBLookupComboBox1: TDBLookupComboBox;
    Edit1: TEdit;
    DateTimePicker1: TDateTimePicker;
    RadioGroup1: TRadioGroup;
    Button1: TButton;
    Button2: TButton;
    DBGrid1: TDBGrid;
    ADOQuery1: TADOQuery;
    DataSource1: TDataSource;
    ADOTable1: TADOTable;
    DataSource2: TDataSource;
    procedure Button1Click(Sender: TObject);
  private
    procedure Lanca(Produto: Integer; Quantidade: Double; Entrada: Boolean);
  public
  end;

var
  Form3: TForm3;

implementation

uses uDM, uFuncoes;

{$R *.dfm}

procedure TForm3.Lanca(Produto: Integer; Quantidade: Double; Entrada: Boolean);
begin
  ADOQuery1.Close;
  ADOQuery1.Parameters.ParamByName('PRODUTO').Value := Produto;
  ADOQuery1.Parameters.ParamByName('QTD').Value := IIf(Entrada, Quantidade, -Quantidade);
  ADOQuery1.ExecSQL;
end;

procedure TForm3.Button1Click(Sender: TObject);
begin
  Lanca(DBLookupComboBox1.KeyValue, StrToFloat(Edit1.Text), RadioGroup1.ItemIndex = 0);
end;

end.
