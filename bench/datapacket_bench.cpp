// Load + save of a 50,000-row table with a 5,000-character memo, side by side with pugixml
// alone parsing and serializing the same document. Run by hand: configure with
// -DZORI_BUILD_BENCH=ON, build the target datapacket_bench and run bench/datapacket_bench.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <pugixml.hpp>

#include <filesystem>
#include <string>

#include "platform/atomic_file.h"
#include "platform/client_dataset.h"
#include "platform/data_packet.h"

using namespace platform;

namespace {

constexpr int kRows = 50000;
constexpr int kMemoChars = 5000;

// A folder with the table file, written once per run.
struct Table {
  std::filesystem::path folder;
  std::string path;
  std::string bytes;

  Table() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zori_bench_XXXXXX").string();
    folder = mkdtemp(pattern.data());
    path = (folder / "ZORIIDEx_CodeSnippets.xml").string();
    TClientDataSet cds;
    cds.FieldDefs().Add("id_tipo_cs", ftInteger, 0, true);
    cds.FieldDefs().Add("ds_code_Snipplet", ftString, 200);
    cds.FieldDefs().Add("tx_code_snipplet", ftMemo);
    cds.CreateDataSet();
    std::string memo;
    while (memo.size() < kMemoChars) memo += "begin\r\n  Result := Soma(A, B); // ação\r\nend;\r\n";
    memo.resize(kMemoChars);
    for (int i = 0; i < kRows; ++i) {
      cds.Append();
      cds.Fields(0)->SetAsInteger(i % 17);
      cds.Fields(1)->SetAsString("Snippet número " + std::to_string(i));
      cds.Fields(2)->SetAsString(memo);
      cds.Post();
    }
    cds.SaveToFile(path);
    bytes = ReadWholeFile(path);
  }
  ~Table() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
};

Table& TheTable() {
  static Table table;
  return table;
}

struct StringWriter : pugi::xml_writer {
  std::string out;
  void write(const void* data, size_t size) override {
    out.append(static_cast<const char*>(data), size);
  }
};

// pugixml alone: parse the file's bytes and serialize the document to memory.
void BM_PugixmlParseSerialize(benchmark::State& state) {
  Table& t = TheTable();
  for (auto _ : state) {
    pugi::xml_document doc;
    doc.load_buffer(t.bytes.data(), t.bytes.size(), pugi::parse_default, pugi::encoding_latin1);
    StringWriter writer;
    writer.out.reserve(t.bytes.size() + t.bytes.size() / 8);
    doc.save(writer, "", pugi::format_raw, pugi::encoding_latin1);
    benchmark::DoNotOptimize(writer.out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * t.bytes.size()));
}

// The client dataset: load the file into rows and format the packet again, in memory.
void BM_ClientDataSetLoadFormat(benchmark::State& state) {
  Table& t = TheTable();
  for (auto _ : state) {
    DataPacket packet = ParseDataPacket(t.bytes, t.path);
    std::vector<const TFieldDef*> defs;
    std::vector<int> index;
    for (size_t i = 0; i < packet.fields.size(); ++i) {
      defs.push_back(&packet.fields[i]);
      index.push_back(static_cast<int>(i));
    }
    std::vector<const std::vector<Variant>*> rows;
    for (const auto& row : packet.rows) rows.push_back(&row);
    std::string out = FormatDataPacket(defs, index, packet.params, rows);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * t.bytes.size()));
}

// pugixml alone from and to disk (no flush to the device).
void BM_PugixmlLoadSaveFile(benchmark::State& state) {
  Table& t = TheTable();
  const std::string out = (t.folder / "pugixml_out.xml").string();
  for (auto _ : state) {
    pugi::xml_document doc;
    doc.load_file(t.path.c_str(), pugi::parse_default, pugi::encoding_latin1);
    doc.save_file(out.c_str(), "", pugi::format_raw, pugi::encoding_latin1);
  }
}

// What a window does: LoadFromFile, then SaveToFile (atomic: temp file, fsync, rename).
void BM_ClientDataSetLoadSaveFile(benchmark::State& state) {
  Table& t = TheTable();
  const std::string out = (t.folder / "zori_out.xml").string();
  for (auto _ : state) {
    TClientDataSet cds;
    cds.LoadFromFile(t.path);
    cds.SaveToFile(out);
  }
}

}  // namespace

BENCHMARK(BM_PugixmlParseSerialize)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ClientDataSetLoadFormat)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PugixmlLoadSaveFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ClientDataSetLoadSaveFile)->Unit(benchmark::kMillisecond)->Iterations(3);
