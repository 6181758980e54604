#include "rename_command.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>

#include "cli.h"
#include "designer/U_zori_mod_comps.h"
#include "designer/U_zori_ren_comps.h"
#include "designer_run.h"
#include "form_checks.h"
#include "ide/disk_host.h"
#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/classes.h"
#include "platform/modal_driver.h"
#include "platform/std_controls.h"
#include "platform/value_list_editor.h"
#include "project_inputs.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {
namespace {

// The user at the standardiser's windows: sets the options and presses OK, trims the
// summary to the --only rows and confirms or cancels it, reads every message.
class RenameDriver : public platform::ModalDriver {
 public:
  explicit RenameDriver(const RenameOptions& options) : options_(options) {}

  std::string unit;                            // the unit being worked on
  const platform::TComponent* root = nullptr;  // its form
  std::vector<NameSuggestion> rows;
  std::vector<const platform::TComponent*> components;  // of the rows, before the renames
  std::vector<NameMessage> messages;

  platform::TModalResult RunModal(platform::TCustomForm& form, int turn) override {
    if (turn > 0) return platform::mrCancel;
    if (auto* window = dynamic_cast<TF_ZORI_Ren_Comps*>(&form)) {
      window->chk_focus_lbl->SetChecked(options_.focus_label);
      window->chk_Ori_Data->SetChecked(options_.data_field);
      window->chk_Salvar_Units->SetChecked(false);  // the command writes what changed itself
      window->bbtn_Ok->Click();
      return platform::mrOk;
    }
    if (auto* summary = dynamic_cast<TF_ZORI_Mod_Comps*>(&form)) return Review(*summary);
    if (platform::TComponent* label = form.FindComponent("lbl_Mensagem")) {
      messages.push_back({unit, label->GetPropValue("Caption").AsString()});
      return platform::mrOk;
    }
    return platform::mrCancel;
  }

  int MessageBox(const platform::MessageRecord& message) override {
    messages.push_back({unit, message.text});
    return message.buttons == "OK" ? platform::IDOK : platform::IDCANCEL;
  }

 private:
  platform::TModalResult Review(TF_ZORI_Mod_Comps& summary) {
    platform::TValueListEditor& list = *summary.VLE_Modf;
    if (!options_.only.empty()) {
      for (int row = list.RowCount() - 1; row >= 1; --row) {
        const std::string key = list.Keys(row);
        const std::string* wanted = nullptr;
        for (const std::string& only : options_.only) {
          const size_t eq = only.find('=');
          if (platform::SameTextAscii(only.substr(0, eq), key)) wanted = &only;
        }
        if (wanted == nullptr) {
          list.DeleteRow(row);
        } else if (const size_t eq = wanted->find('='); eq != std::string::npos) {
          list.Strings().Put(row - 1, key + "=" + wanted->substr(eq + 1));
        }
      }
    }
    for (int row = 1; row < list.RowCount(); ++row) {
      rows.push_back({unit, list.Keys(row), list.Strings().ValueFromIndex(row - 1), false});
      components.push_back(root != nullptr ? root->FindComponent(list.Keys(row)) : nullptr);
    }
    return options_.apply ? platform::mrOk : platform::mrCancel;
  }

  const RenameOptions& options_;
};

// Splits message text into its non-empty lines.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    if (end > start) out.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

// What the renames of every project of a run came to.
struct RenameTotals {
  std::vector<NameSuggestion> rows;
  int refused = 0;
  size_t written = 0;
  std::set<std::string> seen;  // a unit two projects share is renamed once
  PathKeys unit_key;
  bool ran = false;  // some project was gone through; the tally is worth printing
};

// Renames in one project (or the units given by name); the exit code as for the command.
int RenameProject(const std::vector<std::string>& paths, const std::vector<std::string>& classes,
                  const std::vector<std::string>& search_paths, const RenameOptions& options,
                  Context& context, RenameTotals& totals) {
  DesignerRun run(context);
  // Suggestions alone change nothing across forms, so each form is opened alone and memory
  // stays that of one form; renames reach every open form built on the renamed one, so
  // --apply opens them all.
  if (!run.Open(paths, classes, search_paths, /*one_at_a_time=*/!options.apply)) {
    for (const std::string& error : run.Errors()) context.err << "zori rename: " << error << "\n";
    return 2;
  }
  if (!run.HasUnits()) {
    for (const std::string& path : paths)
      context.err << "zori rename: " << path
                  << ": nothing to rename (no .dpr, .pas or .dfm file)\n";
    return 2;
  }
  int refused = 0;
  try {
    run.ForEachForm([&](int index) {
      const std::string unit = run.Host().Module(index)->GetFileName();
      if (!totals.seen.insert(totals.unit_key(unit)).second) return;
      std::vector<NameMessage> messages;
      const std::vector<NameSuggestion> form_rows =
          RunNamingStandard(run.Host(), index, options, &messages);
      if (form_rows.empty() && messages.empty()) return;
      context.out << unit << ":\n";
      for (const NameSuggestion& row : form_rows) {
        context.out << "  " << row.current << " -> " << row.suggested
                    << (row.refused ? "  (refused)" : "") << "\n";
        refused += row.refused ? 1 : 0;
      }
      for (const NameMessage& message : messages) {
        for (const std::string& line : Lines(message.text)) context.out << "  " << line << "\n";
      }
      totals.rows.insert(totals.rows.end(), form_rows.begin(), form_rows.end());
    });
  } catch (const std::exception& e) {
    context.err << "zori rename: " << e.what() << "\n";
    return 1;
  }
  totals.refused += refused;
  totals.ran = true;
  // Units opened one at a time report the ones that could not be read as they come.
  for (const std::string& error : run.Errors()) context.err << "zori rename: " << error << "\n";
  int code = run.Errors().empty() ? 0 : 2;
  if (!options.apply) return code;
  bool changed_on_disk = false;
  const bool saved = run.SaveChanged("rename", &totals.written, &changed_on_disk);
  if (code == 0 && changed_on_disk) code = 2;  // someone else's edit was kept
  if (code == 0 && (refused > 0 || !saved)) code = 1;
  return code;
}

int Rename(const std::vector<std::string>& paths, const std::vector<std::string>& classes,
           const std::vector<std::string>& search_paths, const RenameOptions& options,
           Context& context) {
  // A folder is searched through as check does: each project in it, then the units no
  // project names.
  std::vector<InputGroup> groups;
  if (!GroupInputsToChange(paths, "rename", context.err, &groups)) return 2;
  RenameTotals totals;
  int code = 0;
  for (const InputGroup& group : groups) {
    code =
        std::max(code, RenameProject(group.paths, classes, search_paths, options, context, totals));
  }
  for (const std::string& only : options.only) {
    const std::string name = only.substr(0, only.find('='));
    bool found = false;
    for (const NameSuggestion& row : totals.rows)
      found |= platform::SameTextAscii(row.current, name);
    if (!found) {
      context.err << "zori rename: --only " << only << ": no suggestion for a component named "
                  << name << "\n";
      code = 2;
    }
  }
  const size_t rows = totals.rows.size();
  if (!totals.ran) return code;
  if (!options.apply) {
    context.out << rows << (rows == 1 ? " rename" : " renames") << " suggested; --apply renames\n";
    return code;
  }
  context.out << rows - totals.refused << " renamed, " << totals.refused << " refused, "
              << totals.written << (totals.written == 1 ? " file" : " files") << " written\n";
  return code;
}

}  // namespace

std::vector<NameSuggestion> RunNamingStandard(ide::DiskHost& host, int index,
                                              const RenameOptions& options,
                                              std::vector<NameMessage>* messages) {
  auto owned = std::make_unique<RenameDriver>(options);
  RenameDriver& driver = *owned;
  driver.unit = host.Module(index)->GetFileName();
  driver.root = host.Module(index)->Form()->Root();
  std::unique_ptr<platform::ModalDriver> previous =
      platform::Application().SetModalDriver(std::move(owned));
  const int current = host.CurrentModuleIndex();
  struct Restore {
    ide::DiskHost& host;
    std::unique_ptr<platform::ModalDriver>& previous;
    int current;
    ~Restore() {
      platform::Application().SetModalDriver(std::move(previous));
      host.SetCurrentModule(current);
    }
  } restore{host, previous, current};

  // What the tool menu's item does, on this form.
  host.SetCurrentModule(index);
  struct Release {
    ~Release() { platform::FN_Destroi_Objeto(F_ZORI_Ren_Comps); }
  } release;
  F_ZORI_Ren_Comps = platform::TComponent::Create<TF_ZORI_Ren_Comps>(platform::Application());
  F_ZORI_Ren_Comps->ShowModal();

  if (options.apply) {
    // A confirmed row whose component does not carry the new name was refused.
    for (size_t i = 0; i < driver.rows.size(); ++i) {
      const platform::TComponent* component = driver.components[i];
      driver.rows[i].refused =
          component == nullptr || component->Name() != driver.rows[i].suggested;
    }
  }
  if (messages != nullptr)
    messages->insert(messages->end(), driver.messages.begin(), driver.messages.end());
  return driver.rows;
}

bool NameFindings(CheckScope& scope, ide::DiskModule& module, std::vector<Finding>* findings,
                  std::string* err) {
  // The standardiser reads its options and naming table from the package directory.
  if (scope.Addin(err) == nullptr) return false;
  std::vector<NameSuggestion> rows;
  try {
    rows = RunNamingStandard(scope.Host(), ModuleIndex(scope, module), RenameOptions{}, nullptr);
  } catch (const std::exception& e) {
    *err = e.what();
    return false;
  }
  const ide::FormEditor& form = *module.Form();
  for (const NameSuggestion& row : rows) {
    // A component an ancestor form introduces is named there, and listed with that form.
    const platform::TComponent* component = form.Root()->FindComponent(row.current);
    if (component != nullptr && form.IsInherited(*component)) continue;
    Finding finding;
    finding.check = "names";
    finding.summary = row.current + ": rename to " + row.suggested;
    finding.detail["component"] = row.current;
    finding.detail["suggested"] = row.suggested;
    findings->push_back(std::move(finding));
  }
  return true;
}

void AddRenameCommand(CLI::App& app, Context& context, int& exit_code) {
  auto* cmd = app.add_subcommand(
      "rename",
      "Rename components to the naming standard: each name begins with its class's prefix "
      "from the add-in's naming table; a label with a FocusControl is named after that "
      "control, a data-aware control after its data field. Prints the suggested renames per "
      "unit; --apply makes them (the unit's form class follows) and writes the files that "
      "changed. Exit 0 when done, 1 when a rename was refused or a file could not be "
      "written, 2 when an input could not be read, a file changed on disk since it was read "
      "(it is not written over) or --only named no suggestion.");
  struct Options {
    std::vector<std::string> paths;
    std::vector<std::string> classes;
    std::vector<std::string> search_paths;
    RenameOptions rename;
    bool no_focus_label = false;
    bool no_data_field = false;
  };
  auto options = std::make_shared<Options>();
  cmd->add_option("PATH", options->paths, kProjectPathsHelp)->required();
  cmd->add_flag("--apply", options->rename.apply, "make the renames and write the changed files");
  cmd->add_flag("--no-focus-label", options->no_focus_label,
                "name labels by the plain prefix rule, not after their FocusControl");
  cmd->add_flag("--no-data-field", options->no_data_field,
                "name data-aware controls by the plain prefix rule, not after their data field");
  cmd->add_option("--only", options->rename.only,
                  "rename only this component (NAME keeps the suggestion, NAME=NEW sets the new "
                  "name); repeatable")
      ->option_text("NAME[=NEW]")
      ->allow_extra_args(false)  // one name per use, so paths after it stay paths
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  AddClassesOption(*cmd, options->classes);
  AddSearchPathOption(*cmd, options->search_paths);
  cmd->callback([options, &context, &exit_code] {
    options->rename.focus_label = !options->no_focus_label;
    options->rename.data_field = !options->no_data_field;
    exit_code =
        Rename(options->paths, options->classes, options->search_paths, options->rename, context);
  });
}

}  // namespace zori::cli
