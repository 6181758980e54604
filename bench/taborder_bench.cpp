// The tab-order validator's suggestion on a generated form of about 2,000 windowed
// controls in nested panels: the window's build, whose lookups go by name, against the same
// trees built the straightforward way, every parent, counterpart and component found by a
// walk from the start. Both run in one process; the second reports how many times faster it
// is ("x_faster") and both check that they build the same trees.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "designer/U_zori_taborder.h"
#include "ide/ToolsAPI.h"
#include "ide/disk_host.h"
#include "ide/disk_module.h"
#include "ide/memory_file_system.h"
#include "platform/application.h"
#include "platform/strings.h"
#include "platform/tree_view.h"

namespace {

// 20 panels, each with 4 panels of 24 edits: 2,020 windowed controls. Positions come from
// a fixed pseudo-random sequence, with repeats so some controls share a top and left.
std::shared_ptr<ide::MemoryFileSystem> Project() {
  uint32_t seed = 12345;
  auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % static_cast<uint32_t>(range));
  };
  std::string dfm = "object frmBig: TfrmBig\r\n  Left = 0\r\n  Top = 0\r\n";
  std::string fields;
  int count = 0;
  auto open = [&](const std::string& indent, const std::string& name, const std::string& cls,
                  int tab) {
    dfm += indent + "object " + name + ": " + cls + "\r\n" + indent +
           "  Left = " + std::to_string(next(40) * 8 - 16) + "\r\n" + indent +
           "  Top = " + std::to_string(next(60) * 4) + "\r\n" + indent +
           "  TabOrder = " + std::to_string(tab) + "\r\n";
    fields += "    " + name + ": " + cls + ";\r\n";
    ++count;
  };
  for (int p = 0; p < 20; ++p) {
    const std::string panel = "pnl" + std::to_string(p);
    open("  ", panel, "TPanel", p);
    for (int q = 0; q < 4; ++q) {
      const std::string inner = panel + "_" + std::to_string(q);
      open("    ", inner, "TPanel", q);
      for (int e = 0; e < 24; ++e) {
        open("      ", "Edt" + inner + "_" + std::to_string(e), "TEdit", e);
        dfm += "      end\r\n";
      }
      dfm += "    end\r\n";
    }
    dfm += "  end\r\n";
  }
  dfm += "end\r\n";
  auto files = std::make_shared<ide::MemoryFileSystem>();
  // The host reads its class table through the same file layer as the project.
  std::ifstream table(ZORI_DATA_DIR "/classes.xml", std::ios::binary);
  files->Create("classes.xml", std::string(std::istreambuf_iterator<char>(table), {}));
  files->Create("big/uBig.dfm", dfm);
  files->Create("big/uBig.pas", "unit uBig;\r\ninterface\r\ntype\r\n  TfrmBig = class(TForm)\r\n" +
                                    fields + "  end;\r\nimplementation\r\nend.\r\n");
  return files;
}

// The form open in a host, and a validator window on it.
struct Fixture {
  ide::DiskHost host{Project()};
  TF_ZORI_TabOrder* window = nullptr;

  Fixture() {
    std::vector<std::string> errors;
    std::string err;
    if (!host.LoadClassTable("classes.xml", &err))
      throw std::runtime_error("the class table does not load: " + err);
    if (!host.LoadProject({"big/uBig.pas"}, &errors) || host.Module(0)->Form() == nullptr)
      throw std::runtime_error("the generated form does not load: " +
                               (errors.empty() ? std::string("no form") : errors.front()));
    window = platform::TComponent::Create<TF_ZORI_TabOrder>(platform::Application());
    window->PR_Pega_Form_Ativo(
        ide::Supports<ide::IOTAFormEditor>(host.Module(0)->GetModuleFileEditor(1)));
  }
  ~Fixture() { platform::FN_Destroi_Objeto(window); }
};

platform::TTreeNode* Walk(platform::TTreeView& tree, const std::string& text) {
  for (platform::TTreeNode* node = tree.Items().GetFirstNode(); node != nullptr;
       node = node->GetNext())
    if (node->Text() == text) return node;
  return nullptr;
}

// The straightforward build of both trees into the window's tree views.
void QuadraticBuild(TF_ZORI_TabOrder& window) {
  platform::TComponent& form = *window.Form();
  auto component = [&form](const std::string& name) -> platform::TComponent* {
    for (int i = 0; i < form.ComponentCount(); ++i)
      if (form.Components(i)->Name() == name) return form.Components(i);
    return nullptr;
  };
  platform::TTreeView& containment = *window.tv_Resultado;
  platform::TTreeView& suggested = *window.tv_tab_order_correto;
  containment.Items().Clear();
  containment.Items().Add(nullptr, form.Name());
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* control = dynamic_cast<platform::TWinControl*>(form.Components(i));
    if (control == nullptr) continue;
    platform::TTreeNode* parent =
        control->Parent() != nullptr ? Walk(containment, control->Parent()->Name()) : nullptr;
    if (parent != nullptr) {
      containment.Items().AddChild(parent, control->Name());
    } else {
      containment.Items().Add(nullptr, control->Name());
    }
  }
  suggested.Items().Clear();
  suggested.Items().Add(nullptr, form.Name());
  struct Level {
    static void Run(const platform::TTreeNode& n, platform::TTreeView& suggested,
                    const std::function<platform::TComponent*(const std::string&)>& find) {
      struct Entry {
        int32_t top, left;
        std::string name;
      };
      std::vector<Entry> entries;
      for (int i = 0; i < n.Count(); ++i) {
        const auto* control = dynamic_cast<platform::TControl*>(find(n.Item(i)->Text()));
        entries.push_back({control->Top(), control->Left(), control->Name()});
      }
      std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.top != b.top) return a.top < b.top;
        if (a.left != b.left) return a.left < b.left;
        return platform::CompareTextLocale(a.name, b.name) < 0;
      });
      platform::TTreeNode* target = Walk(suggested, n.Text());
      for (const Entry& entry : entries) suggested.Items().AddChild(target, entry.name);
      for (int i = 0; i < n.Count(); ++i) Run(*n.Item(i), suggested, find);
    }
  };
  Level::Run(*containment.Items().GetFirstNode(), suggested, component);
}

std::string Shape(const platform::TTreeNode* node) {
  std::string text = node->Text();
  for (int i = 0; i < node->Count(); ++i) text += (i == 0 ? "(" : ",") + Shape(node->Item(i));
  return node->HasChildren() ? text + ")" : text;
}

double quadratic_seconds = 0;  // per build, from the run before

void BM_SuggestedOrderQuadratic(benchmark::State& state) {
  Fixture fixture;
  double total = 0;
  int64_t builds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    QuadraticBuild(*fixture.window);
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ++builds;
  }
  quadratic_seconds = total / static_cast<double>(builds);
}
BENCHMARK(BM_SuggestedOrderQuadratic)->Unit(benchmark::kMillisecond);

void BM_SuggestedOrderByName(benchmark::State& state) {
  Fixture fixture;
  QuadraticBuild(*fixture.window);
  const std::string expected = Shape(fixture.window->tv_tab_order_correto->Items().GetFirstNode());
  double total = 0;
  int64_t builds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    fixture.window->PR_Monta_Arvore_Normal();
    fixture.window->PR_TabOrder_Atual();
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ++builds;
  }
  if (Shape(fixture.window->tv_tab_order_correto->Items().GetFirstNode()) != expected) {
    state.SkipWithError("the two builds disagree");
    return;
  }
  if (quadratic_seconds > 0)
    state.counters["x_faster"] = quadratic_seconds / (total / static_cast<double>(builds));
}
BENCHMARK(BM_SuggestedOrderByName)->Unit(benchmark::kMillisecond);

}  // namespace
