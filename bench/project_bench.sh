#!/usr/bin/env bash
# Project-wide speed: generates Delphi projects of 500 and 2,000 realistic forms (panels,
# labels, edits, a grid with columns, a client dataset with persistent fields, buttons with
# glyphs; a few hundred lines each), then times `cat` over their files beside `zori check`,
# `zori taborder` and `zori rename` (neither with --apply) over the same project, and prints
# each command's time as a multiple of cat's and its peak memory.
#   bench/project_bench.sh [ZORI] [SIZES...]     (defaults: build/apps/zori/zori, 500 2000)
set -euo pipefail
cd "$(dirname "$0")/.."
zori=$(realpath "${1:-build/apps/zori/zori}")
shift || true
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(500 2000)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

generate() {  # generate FOLDER FORMS
  python3 - "$1" "$2" <<'PY'
import os, random, sys
folder, count = sys.argv[1], int(sys.argv[2])
os.makedirs(folder, exist_ok=True)
rnd = random.Random(count)
CRLF = "\r\n"

def w(path, lines):
    with open(os.path.join(folder, path), "w", newline="") as f:
        f.write(CRLF.join(lines) + CRLF)

def glyph():
    # A bitmap glyph as the IDE writes it: hex lines in a {...} block.
    data = "".join(rnd.choice("0123456789ABCDEF") for _ in range(64 * 8))
    return ["    Glyph.Data = {"] + ["      " + data[i:i + 64] for i in range(0, len(data), 64)[:-1]] + \
           ["      " + data[-64:] + "}"]

fields = [("CODIGO", "TIntegerField", None), ("NOME", "TStringField", 60),
          ("FANTASIA", "TStringField", 60), ("CNPJ", "TStringField", 18),
          ("CIDADE", "TStringField", 40), ("UF", "TStringField", 2),
          ("CADASTRO", "TDateTimeField", None), ("LIMITE", "TFloatField", None),
          ("SALDO", "TFloatField", None), ("OBS", "TStringField", 200)]
units = []
for n in range(count):
    name = "Form%04d" % n
    unit = "u" + name
    units.append(unit)
    decls, dfm = [], []
    dfm += ["object frm%s: Tfrm%s" % (name, name), "  Left = %d" % rnd.randint(0, 300),
            "  Top = %d" % rnd.randint(0, 200), "  Width = 640", "  Height = 480",
            "  Caption = 'Cadastro de clientes n'#186' %d - Manuten'#231#227'o'" % n,
            "  Color = clBtnFace", "  Font.Charset = DEFAULT_CHARSET",
            "  Font.Color = clWindowText", "  Font.Height = -11", "  Font.Name = 'MS Sans Serif'",
            "  Font.Style = []", "  OldCreateOrder = False", "  Position = poScreenCenter",
            "  OnCreate = FormCreate", "  PixelsPerInch = 96", "  TextHeight = 13"]
    decls.append("pnlTop: TPanel")
    dfm += ["  object pnlTop: TPanel", "    Left = 0", "    Top = 0", "    Width = 632",
            "    Height = 170", "    Align = alTop", "    TabOrder = 0"]
    order = list(range(10))
    rnd.shuffle(order)
    for i in range(10):
        col, row = i % 2, i // 2
        left, top = 8 + col * 310, 8 + row * 30
        decls += ["Label%d: TLabel" % (i + 1), "Edit%d: TEdit" % (i + 1)]
        dfm += ["    object Label%d: TLabel" % (i + 1), "      Left = %d" % left,
                "      Top = %d" % (top + 4), "      Width = 60", "      Height = 13",
                "      Caption = '%s'" % fields[i][0].capitalize(),
                "      FocusControl = Edit%d" % (i + 1), "    end",
                "    object Edit%d: TEdit" % (i + 1), "      Left = %d" % (left + 80),
                "      Top = %d" % top, "      Width = 200", "      Height = 21",
                "      TabOrder = %d" % order[i], "      Text = ''", "    end"]
    dfm += ["  end"]
    decls.append("DBGrid1: TDBGrid")
    dfm += ["  object DBGrid1: TDBGrid", "    Left = 0", "    Top = 170", "    Width = 632",
            "    Height = 240", "    Align = alClient", "    DataSource = DataSource1",
            "    TabOrder = 1", "    TitleFont.Charset = DEFAULT_CHARSET",
            "    TitleFont.Color = clWindowText", "    TitleFont.Height = -11",
            "    TitleFont.Name = 'MS Sans Serif'", "    TitleFont.Style = []", "    Columns = <"]
    for i, (fname, _, _) in enumerate(fields):
        dfm += ["      item", "        Expanded = False", "        FieldName = '%s'" % fname,
                "        Title.Caption = '%s'" % fname.capitalize(),
                "        Width = %d" % (60 + 10 * i), "        Visible = True",
                "      end" + (">" if i == len(fields) - 1 else "")]
    dfm += ["  end"]
    decls.append("pnlBottom: TPanel")
    dfm += ["  object pnlBottom: TPanel", "    Left = 0", "    Top = 410", "    Width = 632",
            "    Height = 41", "    Align = alBottom", "    TabOrder = 2"]
    for i, caption in enumerate(["&Gravar", "&Cancelar", "&Fechar"]):
        decls.append("BitBtn%d: TBitBtn" % (i + 1))
        dfm += ["    object BitBtn%d: TBitBtn" % (i + 1), "      Left = %d" % (380 + 82 * i),
                "      Top = 8", "      Width = 75", "      Height = 25",
                "      Caption = '%s'" % caption, "      TabOrder = %d" % (2 - i)]
        dfm += glyph()
        dfm += ["    end"]
    dfm += ["  end"]
    decls.append("ClientDataSet1: TClientDataSet")
    dfm += ["  object ClientDataSet1: TClientDataSet", "    Aggregates = <>",
            "    Params = <>", "    Left = 560", "    Top = 200"]
    for fname, cls, size in fields:
        decls.append("ClientDataSet1%s: %s" % (fname, cls))
        dfm += ["    object ClientDataSet1%s: %s" % (fname, cls),
                "      FieldName = '%s'" % fname]
        if size:
            dfm += ["      Size = %d" % size]
        dfm += ["    end"]
    dfm += ["  end", "  object DataSource1: TDataSource", "    DataSet = ClientDataSet1",
            "    Left = 592", "    Top = 200", "  end", "end"]
    decls.append("DataSource1: TDataSource")
    w(unit + ".dfm", dfm)
    pas = ["unit %s;" % unit, "", "interface", "", "uses",
           "  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,",
           "  Dialogs, StdCtrls, ExtCtrls, Grids, DBGrids, DB, DBClient, Buttons;", "", "type",
           "  Tfrm%s = class(TForm)" % name]
    pas += ["    " + d + ";" for d in decls]
    pas += ["    procedure FormCreate(Sender: TObject);", "  private",
            "    { Private declarations }", "    procedure Limpar;", "  public",
            "    { Public declarations }", "  end;", "", "var", "  frm%s: Tfrm%s;" % (name, name),
            "", "implementation", "", "{$R *.dfm}", "",
            "procedure Tfrm%s.FormCreate(Sender: TObject);" % name, "begin",
            "  ClientDataSet1.CreateDataSet;", "  Limpar;", "end;", "",
            "procedure Tfrm%s.Limpar;" % name, "var", "  I: Integer;", "begin",
            "  for I := 0 to ComponentCount - 1 do",
            "    if Components[I] is TEdit then", "      TEdit(Components[I]).Text := '';",
            "end;", "", "end."]
    w(unit + ".pas", pas)
dpr = ["program Sistema;", "", "uses", "  Forms,"]
for i, unit in enumerate(units):
    dpr.append("  %s in '%s.pas' {frm%s}%s" % (unit, unit, unit[1:], "," if i < len(units) - 1 else ";"))
dpr += ["", "{$R *.res}", "", "begin", "  Application.Initialize;"]
dpr += ["  Application.CreateForm(Tfrm%s, frm%s);" % (u[1:], u[1:]) for u in units]
dpr += ["  Application.Run;", "end."]
w("Sistema.dpr", dpr)
PY
}

# Best of three wall-clock seconds and the peak memory (KB) of the last run.
measure() {
  local best="" seconds peak
  for _ in 1 2 3; do
    /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null 2>&1 || true
    read -r seconds peak <"$work/time"
    if [ -z "$best" ] || awk "BEGIN{exit !($seconds < $best)}"; then best=$seconds; fi
  done
  echo "$best $peak"
}

printf '%-8s %-10s %8s %8s %10s\n' forms command seconds 'x cat' 'peak MB'
for size in "${sizes[@]}"; do
  project="$work/p$size"
  generate "$project" "$size"
  read -r cat_s cat_kb < <(measure sh -c "cat '$project'/*.dpr '$project'/*.pas '$project'/*.dfm")
  printf '%-8s %-10s %8.2f %8s %10.1f\n' "$size" cat "$cat_s" 1.0 "$(echo "$cat_kb/1024" | bc -l)"
  for command in check taborder rename; do
    read -r s kb < <(measure "$zori" "$command" "$project/Sistema.dpr")
    ratio=$(awk "BEGIN{printf \"%.1f\", $s / ($cat_s > 0.005 ? $cat_s : 0.005)}")
    printf '%-8s %-10s %8.2f %8s %10.1f\n' "$size" "$command" "$s" "$ratio" "$(echo "$kb/1024" | bc -l)"
  done
done
