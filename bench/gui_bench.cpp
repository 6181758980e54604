// The design surface on a generated 1,000-control form (Qt's offscreen platform): opening
// the unit and the first paint, and an alignment-palette button on 200 selected controls
// with the repaint that follows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli.h"
#include "gui/design_surface.h"
#include "gui/form_window.h"
#include "gui/ide_window.h"
#include "gui/window_system.h"
#include "gui_session.h"
#include "ide/disk_host.h"
#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "platform/application.h"
#include "platform/forms.h"
#include "platform/menus.h"
#include "reg/U_zori_reg.h"

namespace fs = std::filesystem;

namespace {

// A unit and its form with n controls (edits, labels, buttons) in rows of ten.
fs::path WriteProject(int n) {
  const fs::path dir = fs::temp_directory_path() / ("zori_gui_bench_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string dfm =
      "object frmBig: TfrmBig\r\n  Left = 0\r\n  Top = 0\r\n  Caption = 'Big'\r\n"
      "  ClientHeight = 2600\r\n  ClientWidth = 1000\r\n";
  std::string fields;
  const char* classes[] = {"TEdit", "TLabel", "TButton"};
  for (int i = 0; i < n; ++i) {
    const std::string cls = classes[i % 3];
    const std::string name = "c" + std::to_string(i);
    dfm += "  object " + name + ": " + cls + "\r\n    Left = " + std::to_string(8 + (i % 10) * 96) +
           "\r\n    Top = " + std::to_string(8 + (i / 10) * 26) +
           "\r\n    Width = 90\r\n    Height = 21\r\n";
    if (cls != "TLabel") dfm += "    TabOrder = " + std::to_string(i) + "\r\n";
    if (cls != "TEdit") dfm += "    Caption = '" + name + "'\r\n";
    dfm += "  end\r\n";
    fields += "    " + name + ": " + cls + ";\r\n";
  }
  dfm += "end\r\n";
  std::ofstream(dir / "uBig.dfm", std::ios::binary) << dfm;
  std::ofstream(dir / "uBig.pas", std::ios::binary)
      << "unit uBig;\r\ninterface\r\ntype\r\n  TfrmBig = class(TForm)\r\n"
      << fields << "  end;\r\nimplementation\r\n{$R *.dfm}\r\nend.\r\n";
  return dir;
}

void EnsureApp() {
  static int argc = 1;
  static char name[] = "gui_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

void BM_OpenAndFirstPaint1000(benchmark::State& state) {
  EnsureApp();
  const fs::path dir = WriteProject(1000);
  std::ostringstream out, err;
  std::istringstream in;
  zori::cli::Context context{out, err, in, (dir / "pkg").string()};
  for (auto _ : state) {
    auto session = std::make_unique<zori::cli::GuiSession>(context);
    std::string e;
    if (!session->Start({(dir / "uBig.pas").string()}, {}, &e)) state.SkipWithError(e.c_str());
    session->Window().OpenModule(0);
    benchmark::DoNotOptimize(session->Window().Surface().grab());
    // Tearing the session down is not what is measured.
    state.PauseTiming();
    session.reset();
    platform::ResetApplication();
    state.ResumeTiming();
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_OpenAndFirstPaint1000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PaletteButtonOn200Selected(benchmark::State& state) {
  EnsureApp();
  const fs::path dir = WriteProject(1000);
  std::ostringstream out, err;
  std::istringstream in;
  zori::cli::Context context{out, err, in, (dir / "pkg").string()};
  {
    zori::cli::GuiSession session(context);
    std::string e;
    if (!session.Start({(dir / "uBig.pas").string()}, {}, &e) || !session.WaitForToolMenu(10000)) {
      state.SkipWithError("the session did not start");
      return;
    }
    session.Window().OpenModule(0);
    gui::DesignSurface& surface = session.Window().Surface();
    ide::FormEditor* editor = surface.Editor();
    v_Inst_ZORIIDEx->FMenuZORIAlign->Click();
    gui::FormWindow* palette = nullptr;
    for (int i = 0; i < platform::Screen().FormCount(); ++i) {
      if (platform::Screen().Forms(i)->Name() == "F_ZORI_Align") {
        palette = session.System().WindowOf(*platform::Screen().Forms(i));
      }
    }
    if (palette == nullptr) {
      state.SkipWithError("no palette");
      return;
    }
    QWidget* left = palette->WidgetOf("tbtn_align_left");
    QWidget* top = palette->WidgetOf("tbtn_align_top");
    int round = 0;
    for (auto _ : state) {
      state.PauseTiming();
      for (int i = 0; i < 200; ++i) {
        editor->Select(*editor->Root()->FindComponent("c" + std::to_string(i * 5)), i > 0);
      }
      state.ResumeTiming();
      QTest::mouseClick(round++ % 2 == 0 ? left : top, Qt::LeftButton);
      benchmark::DoNotOptimize(surface.grab());
    }
  }
  platform::ResetApplication();
  fs::remove_all(dir);
}
BENCHMARK(BM_PaletteButtonOn200Selected)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
