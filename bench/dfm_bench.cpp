// Reading and writing back a generated 5,000-component form, against splitting the same
// text into lines with memchr, measured side by side in one run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "ide/dfm_document.h"

namespace {

// A form of panels, each holding labels, edits and a grid with columns, as a large
// data-entry form has them.
std::string GenerateForm(int components) {
  std::string text =
      "object frmBig: TfrmBig\r\n  Left = 192\r\n  Top = 107\r\n"
      "  Caption = 'Formul'#225'rio grande'\r\n  Font.Name = 'MS Sans Serif'\r\n";
  int made = 1;
  int panel = 0;
  while (made < components) {
    std::string p = "pnl" + std::to_string(panel++);
    text += "  object " + p +
            ": TPanel\r\n    Left = 0\r\n    Top = " + std::to_string(panel * 40) +
            "\r\n    Width = 800\r\n    Height = 40\r\n"
            "    Anchors = [akLeft, akTop, akRight]\r\n    TabOrder = " +
            std::to_string(panel) + "\r\n";
    ++made;
    for (int i = 0; i < 8 && made < components; ++i, ++made) {
      std::string n = std::to_string(made);
      if (i % 4 == 0) {
        text += "    object lbl" + n +
                ": TLabel\r\n      Left = 8\r\n      Top = 4\r\n"
                "      Caption = 'C'#243'digo do campo " +
                n + "'\r\n      FocusControl = edt" + n + "\r\n    end\r\n";
      } else if (i % 4 == 3) {
        text += "    object grd" + n +
                ": TDBGrid\r\n      Left = 8\r\n      Top = 20\r\n"
                "      Columns = <\r\n        item\r\n          FieldName = 'ID'\r\n"
                "          Width = 52\r\n        end\r\n        item\r\n"
                "          FieldName = 'NAME'\r\n          Visible = True\r\n        end>\r\n"
                "    end\r\n";
      } else {
        text += "    object edt" + n + ": TDBEdit\r\n      Left = " + std::to_string(i * 90) +
                "\r\n      Top = 20\r\n      Width = 81\r\n      Height = 21\r\n"
                "      DataField = 'FIELD" +
                n +
                "'\r\n      DataSource = dsMain\r\n"
                "      Hint = \r\n        'Uma dica bem comprida para o campo, que o IDE quebra "
                "em duas linha' +\r\n        's'\r\n      TabOrder = " +
                std::to_string(i) + "\r\n    end\r\n";
      }
    }
    text += "  end\r\n";
  }
  return text + "end\r\n";
}

const std::string& Form() {
  static const std::string form = GenerateForm(5000);
  return form;
}

size_t SplitLines(std::string_view text, std::vector<std::string_view>* lines) {
  lines->clear();
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', end - p));
    if (!lf) lf = end;
    lines->emplace_back(p, lf - p);
    p = lf + 1;
  }
  return lines->size();
}

size_t ReadAndWriteBack(std::string text) {
  std::string err;
  auto document = ide::DfmDocument::Parse("big.dfm", std::move(text), &err);
  if (!document) return 0;
  // One edit so the writer assembles the file rather than returning the input.
  document->root().SetProperty("Left", ide::DfmValue::Integer(200));
  return document->Write().size();
}

void BM_SplitLines(benchmark::State& state) {
  std::vector<std::string_view> lines;
  for (auto _ : state) benchmark::DoNotOptimize(SplitLines(Form(), &lines));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Form().size()));
}
BENCHMARK(BM_SplitLines);

void BM_ReadAndWriteBack(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadAndWriteBack(Form()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Form().size()));
}
BENCHMARK(BM_ReadAndWriteBack);

// Thread CPU time: other processes on a shared machine do not count against either side.
int64_t CpuNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Both in the same loop, so the ratio is taken under the same conditions. The form's
// bytes are handed over as a file read from disk would be, so neither side pays for a copy.
void BM_RatioToLineSplit(benchmark::State& state) {
  std::vector<std::string_view> lines;
  int64_t split = 0, read_write = 0;
  for (auto _ : state) {
    std::string bytes = Form();
    int64_t t0 = CpuNanoseconds();
    benchmark::DoNotOptimize(SplitLines(Form(), &lines));
    int64_t t1 = CpuNanoseconds();
    benchmark::DoNotOptimize(ReadAndWriteBack(std::move(bytes)));
    int64_t t2 = CpuNanoseconds();
    split += t1 - t0;
    read_write += t2 - t1;
  }
  state.counters["ratio"] = static_cast<double>(read_write) / static_cast<double>(split);
  state.counters["bytes"] = static_cast<double>(Form().size());
}
BENCHMARK(BM_RatioToLineSplit);

}  // namespace
