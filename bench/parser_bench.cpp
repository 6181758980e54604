// Speed of the declaration parser on a large generated unit, read the way the comment
// generator reads it: from the start of a line, a window of up to 8191 characters.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "editor/U_funcoes_ideditor.h"

namespace {

constexpr size_t kWindow = 8191;

// A unit of routines, each with a framed header, a declaration with parameters and a body;
// starts holds the offset of the line above every declaration (where the cursor stands).
struct Unit {
  std::string text;
  std::vector<size_t> starts;
};

Unit MakeUnit(int routines) {
  Unit unit;
  unit.text =
      "unit U_Bench;\r\n\r\ninterface\r\n\r\nuses SysUtils, Classes;\r\n\r\n"
      "implementation\r\n\r\n";
  for (int i = 0; i < routines; ++i) {
    const std::string n = std::to_string(i);
    unit.text += "{== Cálculo == TBench.Calc" + n + "==============================}\r\n";
    unit.text += "[ Descrição: soma, média e correção dos valores do lote " + n + "    ]\r\n";
    unit.text += "=== Cálculo == TBench.Calc" + n + "=============================}\r\n";
    unit.starts.push_back(unit.text.size());
    unit.text += "\r\n";
    if (i % 3 == 0) {
      unit.text += "function TBench.Calc" + n +
                   "(const A, B: Integer; var Total: Double; Lote: array of Byte;\r\n"
                   "  Nome: string = 'Lote'{ padrão }): Boolean;\r\n";
    } else if (i % 3 == 1) {
      unit.text +=
          "procedure TBench.Calc" + n + "(Sender: TObject; var Key: Word; Shift: TShiftState);\r\n";
    } else {
      unit.text += "constructor TBench.Calc" + n + "(AOwner: TComponent (* dono *));\r\n";
    }
    unit.text +=
        "var\r\n  I: Integer;\r\nbegin\r\n  for I := 0 to High(Lote) do\r\n"
        "    Total := Total + Lote[I] * (A + B);  // soma\r\n"
        "  Result := Total > 0;\r\nend;\r\n\r\n";
  }
  unit.text += "end.\r\n";
  return unit;
}

// Bytes the parser consumes from offset (parsed once, outside any timing).
size_t ConsumedBytes(const char* text) {
  TZORIEditorParser parser;
  parser.Source = text;
  parser.Parse();
  size_t bytes = 0;
  for (int chars = 0; chars < parser.Pos; ++chars) {
    ++bytes;
    while ((static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) ++bytes;
  }
  return bytes;
}

void Report(benchmark::State& state, size_t bytes, size_t declarations) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["declarations"] = static_cast<double>(declarations);
  state.counters["time_per_declaration"] = benchmark::Counter(
      static_cast<double>(declarations),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Every declaration of the unit, parsed in place; throughput counts the text consumed.
void BM_ParseEveryDeclaration(benchmark::State& state) {
  const Unit unit = MakeUnit(static_cast<int>(state.range(0)));
  size_t consumed = 0;
  for (size_t start : unit.starts) consumed += ConsumedBytes(unit.text.c_str() + start);
  for (auto _ : state) {
    for (size_t start : unit.starts) {
      TZORIEditorParser parser;
      parser.Source = unit.text.c_str() + start;
      parser.Parse();
      benchmark::DoNotOptimize(parser.Types.Count());
    }
  }
  Report(state, consumed, unit.starts.size());
  state.SetComplexityN(static_cast<int64_t>(consumed));
}
BENCHMARK(BM_ParseEveryDeclaration)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// As the comment generator does it: copy a zero-ended window of 8191 characters, then parse.
void BM_ParseFromWindows(benchmark::State& state) {
  const Unit unit = MakeUnit(20000);
  size_t consumed = 0;
  for (size_t start : unit.starts) consumed += ConsumedBytes(unit.text.c_str() + start);
  std::vector<char> window(kWindow + 1);
  for (auto _ : state) {
    for (size_t start : unit.starts) {
      const size_t count = std::min(kWindow, unit.text.size() - start);
      std::memcpy(window.data(), unit.text.data() + start, count);
      window[count] = '\0';
      TZORIEditorParser parser;
      parser.Source = window.data();
      parser.Parse();
      benchmark::DoNotOptimize(parser.Types.Count());
    }
  }
  Report(state, consumed, unit.starts.size());
}
BENCHMARK(BM_ParseFromWindows)->Unit(benchmark::kMillisecond);

// One declaration after a long stretch of bodies and comments without a keyword: the time
// must grow with the text skipped, no faster.
void BM_ParseAfterLongBody(benchmark::State& state) {
  std::string text;
  const std::string body =
      "  Total := Total + Lote[I] * (A + B); { média } (* correção *) Inc(I);\r\n";
  while (text.size() < static_cast<size_t>(state.range(0))) text += body;
  text += "procedure Last(A: Integer);";
  for (auto _ : state) {
    TZORIEditorParser parser;
    parser.Source = text.c_str();
    parser.Parse();
    benchmark::DoNotOptimize(parser.Name.size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParseAfterLongBody)
    ->RangeMultiplier(2)
    ->Range(1 << 18, 1 << 23)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// A parameter list with N distinct types: adding types must not slow down as the list grows.
void BM_ParseLongParameterList(benchmark::State& state) {
  std::string text = "procedure Many(";
  for (int64_t i = 0; i < state.range(0); ++i) {
    const std::string n = std::to_string(i);
    text.append("P").append(n).append(": TTipo").append(n).append("; ");
  }
  text += "Last: Integer);";
  for (auto _ : state) {
    TZORIEditorParser parser;
    parser.Source = text.c_str();
    parser.Parse();
    benchmark::DoNotOptimize(parser.Types.Count());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseLongParameterList)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
