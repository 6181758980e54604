program Sales;

{ Sales order entry.
  Built with Delphi 6. }

uses
  Forms,
  Main in 'Main.pas' {frmMain},
  (* the customer screens live in their own folder *)
  Customers in 'forms\Customers.pas' {frmCustomers},
  DataMod in 'DATAMOD.PAS' {dmSales: TDataModule},
  Reports in 'Reports.pas' {frmReports},
  Utils in '..\shared\Utils.pas'; // helpers shared with the other projects

{$R *.res}

begin
  Application.Initialize;
  Application.Title := 'Vendas';
  Application.CreateForm(TdmSales, dmSales);
  Application.CreateForm(TfrmMain, frmMain);
  Application.Run;
end.
