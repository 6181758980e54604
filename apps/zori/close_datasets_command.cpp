#include "close_datasets_command.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <utility>

#include "cli.h"
#include "designer/U_zori_sel_foco.h"
#include "designer_run.h"
#include "form_checks.h"
#include "ide/disk_host.h"
#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/component.h"
#include "platform/modal_driver.h"
#include "platform/variant.h"
#include "project_inputs.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {
namespace {

using Key = std::pair<const platform::TComponent*, std::string>;

// Every Boolean property that is true on a component the form's root owns, in component
// order.
std::vector<Key> TrueProperties(const platform::TComponent& root) {
  std::vector<Key> out;
  for (int i = 0; i < root.ComponentCount(); ++i) {
    const platform::TComponent& component = *root.Components(i);
    for (const auto& [name, value] : component.StoredProperties()) {
      if (value.Type() == platform::VarType::Boolean && value.AsBoolean())
        out.emplace_back(&component, name);
    }
  }
  return out;
}

// The user presses OK on the closer's window, scope "current form".
class PressOk : public platform::ModalDriver {
 public:
  platform::TModalResult RunModal(platform::TCustomForm& form, int turn) override {
    auto* window = dynamic_cast<TF_ZORI_Sel_Foco*>(&form);
    if (window == nullptr || turn > 0) return platform::mrCancel;
    window->bbtn_Ok->Click();
    return platform::mrOk;
  }
  int MessageBox(const platform::MessageRecord&) override { return platform::IDOK; }
};

// The closer's window on module index, made current for the time of the run.
void CloseOneForm(ide::DiskHost& host, int index) {
  std::unique_ptr<platform::ModalDriver> previous =
      platform::Application().SetModalDriver(std::make_unique<PressOk>());
  const int current = host.CurrentModuleIndex();
  struct Restore {
    ide::DiskHost& host;
    std::unique_ptr<platform::ModalDriver>& previous;
    int current;
    ~Restore() {
      platform::FN_Destroi_Objeto(F_ZORI_Sel_Foco);
      platform::Application().SetModalDriver(std::move(previous));
      host.SetCurrentModule(current);
    }
  } restore{host, previous, current};
  host.SetCurrentModule(index);
  F_ZORI_Sel_Foco = platform::TComponent::Create<TF_ZORI_Sel_Foco>(platform::Application());
  F_ZORI_Sel_Foco->ShowModal();
}

// What closing the datasets of every project of a run came to.
struct CloseTotals {
  size_t switched = 0;
  size_t written = 0;
  bool ran = false;  // some project opened and was closed; the tally is worth printing
};

// Closes the datasets of one project (or of the units given by name); the exit code as for
// the command.
int CloseProject(const std::vector<std::string>& paths, const std::vector<std::string>& classes,
                 const std::vector<std::string>& search_paths, Context& context,
                 CloseTotals& totals) {
  DesignerRun run(context);
  if (!run.Open(paths, classes, search_paths)) {
    for (const std::string& error : run.Errors())
      context.err << "zori close-datasets: " << error << "\n";
    return 2;
  }
  std::vector<SwitchedOff> switched;
  try {
    switched = RunDatasetCloser(run.Host(), -1);
  } catch (const std::exception& e) {
    context.err << "zori close-datasets: " << e.what() << "\n";
    return 1;
  }
  totals.ran = true;
  for (const SwitchedOff& off : switched) {
    context.out << off.unit << ": " << off.component << "." << off.property << " ("
                << off.class_name << ") switched off\n";
  }
  bool changed_on_disk = false;
  const bool saved = run.SaveChanged("close-datasets", &totals.written, &changed_on_disk);
  totals.switched += switched.size();
  if (changed_on_disk) return 2;  // someone else's edit was kept: the user has to look
  return saved ? 0 : 1;
}

int CloseDatasets(const std::vector<std::string>& paths, const std::vector<std::string>& classes,
                  const std::vector<std::string>& search_paths, Context& context) {
  // A folder is searched through as check does: each project in it, then the units no
  // project names. A unit two projects share is closed by the first; the second finds it
  // closed already.
  std::vector<InputGroup> groups;
  if (!GroupInputsToChange(paths, "close-datasets", context.err, &groups)) return 2;
  CloseTotals totals;
  int code = 0;
  for (const InputGroup& group : groups)
    code = std::max(code, CloseProject(group.paths, classes, search_paths, context, totals));
  if (!totals.ran) return code;
  context.out << totals.switched << (totals.switched == 1 ? " property" : " properties")
              << " switched off, " << totals.written << (totals.written == 1 ? " file" : " files")
              << " written\n";
  return code;
}

}  // namespace

std::vector<SwitchedOff> RunDatasetCloser(ide::DiskHost& host, int index) {
  std::vector<std::pair<int, std::vector<Key>>> before;
  for (int i = 0; i < host.ModuleCount(); ++i) {
    if ((index < 0 || i == index) && host.Module(i)->Form() != nullptr)
      before.emplace_back(i, TrueProperties(*host.Module(i)->Form()->Root()));
  }
  if (index < 0) {
    v_Inst_ZORIIDEx->PR_OnClick_Close_DataSets(nullptr);  // no sender: unattended
  } else {
    CloseOneForm(host, index);
  }
  std::vector<SwitchedOff> out;
  for (const auto& [module, was_true] : before) {
    const std::string unit = host.Module(module)->GetFileName();
    for (const auto& [component, name] : was_true) {
      const platform::Variant now = component->GetPropValue(name);
      if (now.Type() == platform::VarType::Boolean && now.AsBoolean()) continue;
      out.push_back({unit, component->Name(), component->ClassName(), name});
    }
  }
  return out;
}

bool DatasetFindings(CheckScope& scope, ide::DiskModule& module, std::vector<Finding>* findings,
                     std::string* err) {
  // The closer reads its class table from the package directory. It switches the form's
  // components off in memory; the check writes nothing.
  if (scope.Addin(err) == nullptr) return false;
  std::vector<SwitchedOff> switched;
  try {
    switched = RunDatasetCloser(scope.Host(), ModuleIndex(scope, module));
  } catch (const std::exception& e) {
    *err = e.what();
    return false;
  }
  for (const SwitchedOff& off : switched) {
    Finding finding;
    finding.check = "datasets";
    finding.summary = off.component + "." + off.property + " (" + off.class_name + ") is on";
    finding.detail["component"] = off.component;
    finding.detail["class"] = off.class_name;
    finding.detail["property"] = off.property;
    findings->push_back(std::move(finding));
  }
  return true;
}

void AddCloseDatasetsCommand(CLI::App& app, Context& context, int& exit_code) {
  auto* cmd = app.add_subcommand(
      "close-datasets",
      "Switch off the open datasets (Active) and the connections listed in the add-in's "
      "dataset-class table (Connected, ...) on every form given, as the add-in does before a "
      "compile; write the forms that changed. Exit 0 when done, 1 when the closer or a save "
      "failed, 2 when an input could not be read or a file changed on disk since it was read "
      "(it is not written over).");
  struct Options {
    std::vector<std::string> paths;
    std::vector<std::string> classes;
    std::vector<std::string> search_paths;
  };
  auto options = std::make_shared<Options>();
  cmd->add_option("PATH", options->paths, kProjectPathsHelp)->required();
  AddClassesOption(*cmd, options->classes);
  AddSearchPathOption(*cmd, options->search_paths);
  cmd->callback([options, &context, &exit_code] {
    exit_code = CloseDatasets(options->paths, options->classes, options->search_paths, context);
  });
}

}  // namespace zori::cli
