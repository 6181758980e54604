// The host's designer lookups on generated forms of growing size: finding a component by
// name should not grow with the form, and opening a unit grows with its form's size.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "ide/disk_host.h"
#include "ide/disk_module.h"
#include "ide/memory_file_system.h"

namespace {

// A unit and its form with n edits spread over panels of 50.
std::shared_ptr<ide::MemoryFileSystem> Project(int n) {
  std::string dfm = "object frmBig: TfrmBig\r\n  Left = 0\r\n  Top = 0\r\n";
  std::string fields;
  for (int p = 0; p * 50 < n; ++p) {
    const std::string panel = "pnl" + std::to_string(p);
    dfm += "  object " + panel + ": TPanel\r\n    TabOrder = " + std::to_string(p) + "\r\n";
    fields += "    " + panel + ": TPanel;\r\n";
    for (int i = p * 50; i < n && i < (p + 1) * 50; ++i) {
      const std::string edit = "edt" + std::to_string(i);
      dfm += "    object " + edit +
             ": TEdit\r\n      Left = 8\r\n      Top = " + std::to_string(i % 50 * 24) +
             "\r\n      TabOrder = " + std::to_string(i % 50) + "\r\n    end\r\n";
      fields += "    " + edit + ": TEdit;\r\n";
    }
    dfm += "  end\r\n";
  }
  dfm += "end\r\n";
  auto files = std::make_shared<ide::MemoryFileSystem>();
  files->Create("big/uBig.dfm", dfm);
  files->Create("big/uBig.pas", "unit uBig;\r\ninterface\r\ntype\r\n  TfrmBig = class(TForm)\r\n" +
                                    fields + "  end;\r\nimplementation\r\nend.\r\n");
  return files;
}

void BM_FindComponentByName(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  ide::DiskHost host(Project(n));
  std::vector<std::string> errors;
  host.LoadProject({"big/uBig.pas"}, &errors);
  auto form = ide::Supports<ide::IOTAFormEditor>(host.Module(0)->GetModuleFileEditor(1));
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(form->FindComponent("EDT" + std::to_string(i)));
    i = (i + 7919) % n;
  }
  state.SetComplexityN(n);
}
BENCHMARK(BM_FindComponentByName)->RangeMultiplier(4)->Range(256, 65536)->Complexity();

void BM_OpenUnitWithForm(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  auto files = Project(n);
  for (auto _ : state) {
    ide::DiskHost host(files);
    std::vector<std::string> errors;
    host.LoadProject({"big/uBig.pas"}, &errors);
    benchmark::DoNotOptimize(host.ModuleCount());
  }
  state.SetComplexityN(n);
}
BENCHMARK(BM_OpenUnitWithForm)->RangeMultiplier(4)->Range(256, 16384)->Complexity();

}  // namespace
