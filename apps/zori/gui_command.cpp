#include "gui_command.h"

#include <CLI/CLI.hpp>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdlib>
#include <memory>
#include <ostream>

#include "cli.h"
#include "gui/form_window.h"
#include "gui/ide_window.h"
#include "gui/screenshot.h"
#include "gui/window_system.h"
#include "gui_session.h"
#include "host_session.h"
#include "platform/forms.h"
#include "platform/menus.h"

namespace zori::cli {
namespace {

struct GuiOptions {
  std::vector<std::string> project;
  std::vector<std::string> search_paths;
  std::string screenshot;
  std::string form;
  std::string window;
  int line = 0;
};

bool HasDisplay() {
  return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr ||
         std::getenv("QT_QPA_PLATFORM") != nullptr;
}

// Lets Qt run for ms milliseconds (layout, paint, timers).
void Settle(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

int TakeScreenshot(GuiSession& session, const GuiOptions& o, Context& context) {
  if (!session.WaitForToolMenu(10000)) {
    context.err << "zori gui: the tool menu was not built\n";
    return 1;
  }
  if (!o.form.empty() && !session.Window().OpenUnit(o.form)) {
    context.err << "zori gui: " << o.form << ": no such unit in the project\n";
    return 2;
  }
  session.Window().Pages().setCurrentIndex(0);
  if (o.line > 0) {
    session.Window().SetCursorLine(o.line);
    session.Window().Pages().setCurrentIndex(1);
  }
  gui::WindowSystem& system = session.System();
  // Nobody is there to answer: messages are printed and take their first answer.
  system.answer = [&context](const platform::MessageRecord& m) {
    context.err << m.caption << ": " << m.text << "\n";
    return m.buttons == "OK" ? platform::IDOK : platform::IDCANCEL;
  };
  auto save = [&](QWidget* window) {
    const QImage image = gui::Screenshot(session.Window(), window);
    if (!image.save(QString::fromStdString(o.screenshot), "PNG")) {
      context.err << "zori gui: " << o.screenshot << ": cannot write the picture\n";
      return false;
    }
    return true;
  };
  Settle(300);
  if (o.window.empty()) return save(nullptr) ? 0 : 1;

  platform::TMenuItem* item = session.MenuItemFor(o.window);
  if (item == nullptr) {
    context.err << "zori gui: --window " << o.window
                << ": no menu command opens a window of that name\n";
    return 2;
  }
  bool shot = false;
  bool saved = false;
  system.on_shown = [&](gui::FormWindow& w) {
    platform::TCustomForm* form = w.Form();
    if (form == nullptr || shot) return;
    if (platform::SameTextAscii(form->Name(), o.window)) {
      shot = true;
      saved = save(&w);
    } else {
      context.err << "zori gui: " << form->Name() << " (" << form->Caption()
                  << ") shown and closed\n";
    }
    // The window closes as the user's Cancel would close it.
    if (form->Modal()) {
      form->SetModalResult(platform::mrCancel);
      w.AfterEvent();
    }
  };
  QTimer::singleShot(0, &session.Window(), [item] { gui::Guarded([item] { item->Click(); }); });
  QElapsedTimer clock;
  clock.start();
  while (!shot && clock.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  system.on_shown = nullptr;
  if (!shot) {
    context.err << "zori gui: the menu command did not show " << o.window << "\n";
    return 1;
  }
  return saved ? 0 : 1;
}

int RunGui(const GuiOptions& o, Context& context) {
  if (!HasDisplay()) {
    if (o.screenshot.empty()) {
      context.err
          << "zori gui: no display (set DISPLAY, or QT_QPA_PLATFORM=offscreen for --screenshot)\n";
      return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // a picture needs no screen
  }
  static int argc = 1;
  static char name[] = "zori";
  static char* argv[] = {name, nullptr};
  std::unique_ptr<QApplication> app;
  if (QApplication::instance() == nullptr) app = std::make_unique<QApplication>(argc, argv);
  int code = 0;
  {
    GuiSession session(context);
    std::string err;
    if (!session.Start(o.project, o.search_paths, &err)) {
      context.err << "zori gui: " << err << "\n";
      return 2;
    }
    if (!o.screenshot.empty()) {
      code = TakeScreenshot(session, o, context);
    } else {
      if (!o.form.empty() && !session.Window().OpenUnit(o.form)) {
        context.err << "zori gui: " << o.form << ": no such unit in the project\n";
      }
      QApplication::exec();
    }
  }
  return code;
}

}  // namespace

void AddGuiCommand(CLI::App& app, Context& context, int& exit_code) {
  auto options = std::make_shared<GuiOptions>();
  CLI::App* command = app.add_subcommand(
      "gui",
      "Open PROJECT (a .dpr, a folder or units) in a window that stands in for the IDE: its "
      "main menu with the add-in's \"&ZORI\" menu, the project's units and forms, the open "
      "form on a design surface (click, shift-click and drag to select, move and size) and "
      "the unit's source (a click puts the editor's cursor there). The add-in's windows open "
      "as real windows. With --screenshot the picture of the screen is written and zori "
      "exits (works without a display).");
  command->add_option("PROJECT", options->project, "the project: a .dpr, a folder, or units");
  AddSearchPathOption(*command, options->search_paths);
  command
      ->add_option("--screenshot", options->screenshot,
                   "write what is on screen to FILE (PNG) once the tool menu is built, "
                   "then exit")
      ->option_text("FILE");
  command->add_option("--form", options->form, "open this unit's form first (a unit name or path)")
      ->option_text("UNIT");
  command
      ->add_option("--line", options->line,
                   "put the editor's cursor on this line of the unit (1-based), as a click in "
                   "the source would")
      ->option_text("N");
  command
      ->add_option("--window", options->window,
                   "with --screenshot: open the add-in window of this name as its menu command "
                   "would (F_ZORI_Align, F_ZORI_TabOrder, F_ZORI_Manager_Comm, F_ZORI_Config, "
                   "F_ZORI_Resource_Editor, F_ZORI_About, ...)")
      ->option_text("NAME");
  command->callback([options, &context, &exit_code] { exit_code = RunGui(*options, context); });
}

}  // namespace zori::cli
