#include "layout_command.h"

#include <CLI/CLI.hpp>

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "addin_session.h"
#include "cli.h"
#include "designer/U_zori_perf_layout.h"
#include "host_session.h"
#include "ide/disk_host.h"
#include "ide/file_system.h"
#include "ide/ide_desktop.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/menus.h"
#include "platform/modal_driver.h"
#include "platform/std_controls.h"
#include "printing_driver.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {
namespace {

struct Options {
  std::string action;
  std::string project;
  std::vector<std::string> classes;
  std::vector<std::string> search_paths;
};

// The user picks the option in the layout window and presses OK; messages are printed.
class LayoutDriver : public PrintingDriver {
 public:
  LayoutDriver(std::ostream& err, bool save) : PrintingDriver(err, /*confirm=*/true), save_(save) {}

 protected:
  std::optional<platform::TModalResult> Work(platform::TCustomForm& form, int turn) override {
    auto* layout = dynamic_cast<TF_ZORI_Perf_Layout*>(&form);
    if (layout == nullptr) return std::nullopt;
    if (turn > 0) return platform::mrCancel;
    (save_ ? layout->rb_salva_layout : layout->rb_aplica_layout)->SetChecked(true);
    layout->bbtn_Ok->Click();
    return platform::mrOk;
  }

 private:
  bool save_;
};

using Place = std::tuple<int32_t, int32_t, int32_t, int32_t>;

// Every IDE window's place (Left, Top, Width, Height) by name.
std::map<std::string, Place> Places() {
  std::map<std::string, Place> out;
  platform::TScreen& screen = platform::Screen();
  for (int i = 0; i < screen.FormCount(); ++i) {
    const platform::TCustomForm* form = screen.Forms(i);
    out[form->Name()] = {form->Left(), form->Top(), form->Width(), form->Height()};
  }
  return out;
}

std::string Text(const Place& p) {
  return "(" + std::to_string(std::get<0>(p)) + ", " + std::to_string(std::get<1>(p)) + ", " +
         std::to_string(std::get<2>(p)) + ", " + std::to_string(std::get<3>(p)) + ")";
}

int Layout(const Options& o, Context& context) {
  const std::string me = "zori layout " + o.action + ": ";
  if (o.action != "save" && o.action != "apply") {
    context.err << "zori layout: unknown action '" << o.action << "' (save or apply)\n";
    return 2;
  }
  // The desktop file is the Delphi IDE's: Lazarus keeps its windows in its own settings.
  ide::RealFileSystem files;
  if (ide::DiskHost::IsLazarusProject(files, {o.project})) {
    context.err << me << o.project
                << ": a Lazarus project; the layout profile places the Delphi IDE's windows "
                   "from its desktop file (.dsk), which Lazarus does not have; nothing done\n";
    return 0;
  }
  AddinSession session(context);
  std::string err;
  if (!session.Load(&err)) {
    context.err << me << err << "\n";
    return 2;
  }
  const bool save = o.action == "save";
  platform::Application().SetModalDriver(std::make_unique<LayoutDriver>(context.err, save));
  session.LoadCatalogue();
  HostSession project = OpenProject({o.project}, o.classes, o.search_paths);
  const UnloadBeforeHost unload(session, project);
  if (!project.errors.empty()) {
    for (const std::string& e : project.errors) context.err << me << e << "\n";
    return 2;
  }
  ide::DiskHost& host = *project.host;
  const std::map<std::string, Place> before = Places();
  try {
    // As a click on the menu item (the automatic runs pass the root item instead).
    platform::TMenuItem item;
    item.SetName("FMenuZORIPerfectLayout");
    v_Inst_ZORIIDEx->PR_OnClick_PL(&item);
  } catch (const std::exception& e) {
    context.err << me << e.what() << "\n";
    return 1;
  }
  if (!platform::Application().MessageLog().empty()) return 1;

  if (save) {
    // What the profile now holds: the visible IDE windows with their places.
    for (const auto& [name, place] : before) {
      const platform::TCustomForm* form = host.Desktop().Window(name);
      // The profile keeps the windows that own controls, as every IDE window does.
      if (form != nullptr && form->Visible() && form->ComponentCount() > 0)
        context.out << name << " " << Text(place) << "\n";
    }
    return 0;
  }
  bool moved = false;
  for (const auto& [name, place] : Places()) {
    const auto was = before.find(name);
    if (was == before.end() || was->second == place) continue;
    moved = true;
    context.out << name << ": " << Text(was->second) << " -> " << Text(place) << "\n";
  }
  if (!moved) {
    context.out << "nothing moved\n";
    return 0;
  }
  if (host.Desktop().File() == nullptr) {
    context.err << me << o.project
                << ": the project has no desktop file; the places are not kept\n";
    return 0;
  }
  if (!host.Desktop().Save(host.Files(), &err)) {
    context.err << me << err << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

void AddLayoutCommand(CLI::App& app, Context& context, int& exit_code) {
  auto* cmd = app.add_subcommand(
      "layout",
      "The layout profile over the IDE windows a project's desktop file (.dsk) places. "
      "'save' stores the place and size of every visible IDE window (docked ones too) in "
      "ZORIIDEx_LP.xml in the package directory, replacing what was stored, and prints them "
      "as (Left, Top, Width, Height); the file is created when missing. 'apply' moves every "
      "visible undocked window with a stored row there (names match with letter case; the "
      "last row of a name wins; rows without a positive width and height are skipped), "
      "prints what moved and writes the changed places into the .dsk. Without a stored "
      "profile nothing moves. The desktop file is a Delphi IDE thing: on a Lazarus project "
      "(.lpi, .lpr, or a folder holding one) zori says so on stderr, does nothing and exits "
      "0. Exit 0 when done, 1 when a file could not be read or written, "
      "2 on bad input.");
  auto options = std::make_shared<Options>();
  cmd->add_option("ACTION", options->action, "save or apply")->required();
  cmd->add_option("PROJECT", options->project, "the Delphi project (.dpr, or its folder)")
      ->required();
  AddClassesOption(*cmd, options->classes);
  AddSearchPathOption(*cmd, options->search_paths);
  cmd->callback([options, &context, &exit_code] { exit_code = Layout(*options, context); });
}

}  // namespace zori::cli
