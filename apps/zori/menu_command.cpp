#include "menu_command.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>
#include <string>

#include "addin_session.h"
#include "cli.h"
#include "ide/disk_host.h"
#include "ide/file_system.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/menus.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {
namespace {

// One line per item, two blanks of indent per level: the caption, the shortcut in the
// platform's text form and the component name; a separator is a lone "-".
void PrintItems(std::ostream& out, const platform::TMenuItem& parent, int depth) {
  for (int i = 0; i < parent.Count(); ++i) {
    const platform::TMenuItem& item = *parent.Items(i);
    out << std::string(2 * depth, ' ');
    if (item.IsLine()) {
      out << "-\n";
      continue;
    }
    out << item.Caption();
    if (item.ShortCut() != platform::scNone)
      out << "  " << platform::ShortCutToText(item.ShortCut());
    if (!item.Name().empty()) out << "  [" << item.Name() << "]";
    out << "\n";
    PrintItems(out, item, depth + 1);
  }
}

int Menu(Context& context) {
  AddinSession session(context);
  std::string err;
  if (!session.Load(&err)) {
    context.err << "zori: " << err << "\n";
    return 2;
  }
  // The start-up second passes at once: the command has nothing to wait for.
  auto clock = std::make_unique<platform::ManualClock>();
  platform::ManualClock& time = *clock;
  platform::Application().SetClock(std::move(clock));

  auto host = std::make_unique<ide::DiskHost>(std::make_shared<ide::RealFileSystem>());
  int code = 0;
  try {
    Register();
    time.Advance(1000);
    platform::Application().ProcessMessages();
    auto services = ide::Supports<ide::INTAServices>(ide::BorlandIDEServices);
    PrintItems(context.out, *services->GetMainMenu()->Items(), 0);
    if (!v_Inst_ZORIIDEx->FMenuBuilt || v_Inst_ZORIIDEx->FMenuZORI == nullptr ||
        v_Inst_ZORIIDEx->FMenuZORI->Parent() == nullptr) {
      context.err << "zori: the tool menu was not built\n";
      code = 1;
    }
  } catch (const std::exception& e) {
    context.err << "zori: the tool menu was not built: " << e.what() << "\n";
    if (const std::string note = session.MissingStoreNote(); !note.empty())
      context.err << "zori: " << note << "\n";
    code = 1;
  }
  session.Unload();  // while the host still holds the menu the package leaves
  host.reset();
  return code;
}

}  // namespace

void AddMenuCommand(CLI::App& app, Context& context, int& exit_code) {
  CLI::App* menu = app.add_subcommand(
      "menu", "load the add-in into the IDE and print the IDE main menu with \"&ZORI\" in place");
  menu->callback([&context, &exit_code] { exit_code = Menu(context); });
}

}  // namespace zori::cli
