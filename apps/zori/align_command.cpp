#include "align_command.h"

#include <CLI/CLI.hpp>

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "addin_session.h"
#include "cli.h"
#include "designer/U_zori_align.h"
#include "designer/U_zori_manual_adj.h"
#include "host_session.h"
#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/clock.h"
#include "platform/com_controls.h"
#include "platform/menus.h"
#include "platform/modal_driver.h"
#include "platform/std_controls.h"
#include "printing_driver.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {
namespace {

namespace fs = std::filesystem;

// The palette's button of each rule.
const std::map<std::string, platform::TToolButton* TF_ZORI_Align::*> kRules = {
    {"left", &TF_ZORI_Align::tbtn_align_left},
    {"top", &TF_ZORI_Align::tbtn_align_top},
    {"width", &TF_ZORI_Align::tbtn_equal_width},
    {"height", &TF_ZORI_Align::tbtn_equal_height},
    {"hcenter", &TF_ZORI_Align::tbtn_align_h_center},
    {"vcenter", &TF_ZORI_Align::tbtn_align_v_center},
    {"hwindow", &TF_ZORI_Align::tbtn_align_h_window},
    {"vwindow", &TF_ZORI_Align::tbtn_align_v_window},
    {"hspace", &TF_ZORI_Align::tbtn_align_h_space},
    {"vspace", &TF_ZORI_Align::tbtn_align_v_space},
    {"right", &TF_ZORI_Align::tbtn_align_right},
    {"bottom", &TF_ZORI_Align::tbtn_align_bottom},
    {"manual", &TF_ZORI_Align::tbtn_Manual_Adjust},
};

struct Options {
  std::string rule;
  std::string form;
  std::vector<std::string> names;
  bool vertical = false;
  std::optional<std::string> gap;
  std::vector<std::string> classes;
  std::vector<std::string> search_paths;
};

// Works the windows for a user at the command line: the manual adjustment window gets the
// axis and the gap and its OK button is pressed once (a refused gap leaves it open, and
// the user then cancels); every message is printed and confirmed.
class AlignDriver : public PrintingDriver {
 public:
  AlignDriver(std::ostream& err, bool vertical, std::string gap)
      : PrintingDriver(err, /*confirm=*/true), vertical_(vertical), gap_(std::move(gap)) {}

 protected:
  std::optional<platform::TModalResult> Work(platform::TCustomForm& form, int turn) override {
    auto* manual = dynamic_cast<TF_ZORI_Manual_Adj*>(&form);
    if (manual == nullptr) return std::nullopt;
    if (turn > 0) return platform::mrCancel;
    manual->cb_type_adjust->SetItemIndex(vertical_ ? 1 : 0);
    manual->spe_space->SetText(gap_);
    manual->bbtn_Ok->Click();
    return platform::mrNone;
  }

 private:
  bool vertical_;
  std::string gap_;
};

using Bounds = std::array<std::optional<int32_t>, 4>;

Bounds Read(ide::IOTAFormEditor& form, const std::string& name) {
  Bounds out;
  auto component = form.FindComponent(name);
  const char* props[] = {"Left", "Top", "Width", "Height"};
  for (size_t i = 0; i < out.size(); ++i) {
    ide::TPropBuffer value = int32_t{0};
    if (component->GetPropValueByName(props[i], value)) out[i] = std::get<int32_t>(value);
  }
  return out;
}

std::string Text(const Bounds& b) {
  std::string out = "(";
  for (size_t i = 0; i < b.size(); ++i) {
    out += (i == 0 ? "" : ", ") + (b[i] ? std::to_string(*b[i]) : std::string("-"));
  }
  return out + ")";
}

int Align(const Options& o, Context& context) {
  const auto rule = kRules.find(o.rule);
  if (rule == kRules.end()) {
    std::string known;
    for (const auto& [name, button] : kRules) known += (known.empty() ? "" : ", ") + name;
    context.err << "zori align: unknown rule '" << o.rule << "' (one of " << known << ")\n";
    return 2;
  }
  if (o.rule != "manual" && (o.vertical || o.gap)) {
    context.err << "zori align: --vertical and --gap belong to the manual rule\n";
    return 2;
  }

  AddinSession session(context);
  std::string err;
  if (!session.Load(&err)) {
    context.err << "zori align: " << err << "\n";
    return 2;
  }
  platform::Application().SetModalDriver(
      std::make_unique<AlignDriver>(context.err, o.vertical, o.gap.value_or("0")));
  auto clock = std::make_unique<platform::ManualClock>();
  platform::ManualClock& time = *clock;
  platform::Application().SetClock(std::move(clock));

  HostSession project = OpenProject({o.form}, o.classes, o.search_paths);
  int code = 0;
  const UnloadBeforeHost unload(session, project);
  ide::DiskHost& host = *project.host;
  // The module of that form file (units of ancestor forms may be open beside it).
  int index = -1;
  std::error_code ec;
  const fs::path wanted = fs::weakly_canonical(o.form, ec);
  for (int i = 0; i < host.ModuleCount() && index < 0; ++i) {
    ide::FormEditor* editor = host.Module(i)->Form();
    if (editor != nullptr && fs::weakly_canonical(editor->GetFileName(), ec) == wanted) index = i;
  }
  if (!project.errors.empty() || index < 0) {
    for (const std::string& e : project.errors) context.err << "zori align: " << e << "\n";
    if (project.errors.empty()) context.err << "zori align: " << o.form << ": no form to align\n";
    return 2;
  }
  host.SetCurrentModule(index);
  std::shared_ptr<ide::DiskModule> module = host.Module(index);
  auto form = ide::Supports<ide::IOTAFormEditor>(module->GetModuleFileEditor(1));

  std::vector<std::string> unknown;
  for (const std::string& name : o.names) {
    if (form->FindComponent(name) == nullptr) unknown.push_back(name);
  }
  if (!unknown.empty()) {
    context.err << "zori align: " << form->GetFileName() << ": no component named";
    for (const std::string& name : unknown) context.err << " " << name;
    context.err << "; nothing was changed\n";
    return 2;
  }

  std::vector<Bounds> before;
  for (const std::string& name : o.names) before.push_back(Read(*form, name));
  for (size_t i = 0; i < o.names.size(); ++i) form->FindComponent(o.names[i])->Select(i > 0);

  try {
    Register();
    time.Advance(1000);
    platform::Application().ProcessMessages();
    platform::TMenuItem* item =
        v_Inst_ZORIIDEx != nullptr ? v_Inst_ZORIIDEx->FMenuZORIAlign : nullptr;
    if (item == nullptr) {
      context.err << "zori align: the tool menu was not built\n";
      return 1;
    }
    if (F_ZORI_Align == nullptr || !F_ZORI_Align->Visible()) item->Click();
    (F_ZORI_Align->*(rule->second))->Click();
  } catch (const std::exception& e) {
    context.err << "zori align: " << e.what() << "\n";
    return 1;
  }
  // A rule that stopped with a message changed nothing; the message was printed.
  if (!platform::Application().MessageLog().empty()) return 1;

  bool changed = false;
  for (size_t i = 0; i < o.names.size(); ++i) {
    const Bounds after = Read(*form, o.names[i]);
    if (after == before[i]) continue;
    changed = true;
    context.out << o.names[i] << ": " << Text(before[i]) << " -> " << Text(after) << "\n";
  }
  if (!changed) context.out << "nothing moved\n";
  if (form->GetModified() && !module->Save(false, false)) {
    context.err << "zori align: " << module->LastError() << "\n";
    code = module->ChangedOnDisk() ? 2 : 1;  // someone else's edit is bad input to repair
  }
  return code;
}

}  // namespace

void AddAlignCommand(CLI::App& app, Context& context, int& exit_code) {
  auto* cmd = app.add_subcommand(
      "align",
      "Select the named components of a form in that order (the first is the reference) and "
      "press the alignment palette's button of RULE, then save the form and print each "
      "changed component's bounds as (Left, Top, Width, Height) before and after. Rules: "
      "left, top, width, height (the others take the first one's value); hcenter, vcenter "
      "(centre the others on the first one); hwindow, vwindow (move the group as one to the "
      "middle of the form's client area); hspace, vspace (the first and the last on the axis "
      "stay, the others are laid between them with equal gaps, in the order named); right, "
      "bottom (align the far edges with the first one's); manual (the manual adjustment "
      "window: every component but the first on the axis is laid after it, in the order "
      "named, --gap pixels apart; --gap 0 is hspace or vspace). Positions are relative to "
      "each component's parent, as the designer shows them. Exit 0 when the rule ran, 1 "
      "when it stopped with a message (a component without the position or size the rule "
      "needs, a gap that is no number) or the form could not be written, 2 on bad input "
      "(unknown rule or names, a form that cannot be read, a form that changed on disk since "
      "it was read); the form is not written then.");
  auto options = std::make_shared<Options>();
  cmd->add_option("RULE", options->rule, "the palette rule")->required();
  cmd->add_option("FORM", options->form,
                  "the form file (.dfm, or a Lazarus .lfm) with its unit beside it")
      ->required();
  cmd->add_option("NAME", options->names, "component names, the reference first")->required();
  cmd->add_flag("--vertical", options->vertical, "manual: space top to bottom (default: across)");
  cmd->add_option("--gap", options->gap,
                  "manual: the gap in pixels (default 0, equal spacing; negative overlaps)")
      ->option_text("N");
  AddClassesOption(*cmd, options->classes);
  AddSearchPathOption(*cmd, options->search_paths);
  cmd->callback([options, &context, &exit_code] { exit_code = Align(*options, context); });
}

}  // namespace zori::cli
