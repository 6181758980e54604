#include "taborder_command.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "addin_session.h"
#include "cli.h"
#include "core/U_funcoes_iota.h"
#include "designer/U_zori_taborder.h"
#include "form_checks.h"
#include "host_session.h"
#include "ide/dfm_document.h"
#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/forms.h"
#include "platform/menus.h"
#include "platform/modal_driver.h"
#include "platform/std_controls.h"
#include "platform/tree_view.h"
#include "project_inputs.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {
namespace {

// One container of the suggested tree: the controls whose tab order the validator writes.
struct ContainerOrder {
  std::string container;
  std::vector<std::string> suggested;  // in the suggested order
  std::vector<std::string> current;    // the same controls in their tab order now
  bool differs = false;                // pressing OK moves a control of the container
};

// Reads the suggested tree of a window whose trees are built, against the form's tab lists.
std::vector<ContainerOrder> Orders(const TF_ZORI_TabOrder& window) {
  std::vector<ContainerOrder> orders;
  const platform::TTreeNode* root = window.tv_tab_order_correto->Items().GetFirstNode();
  for (const platform::TTreeNode* node = root; node != nullptr; node = node->GetNext()) {
    if (!node->HasChildren()) continue;
    const platform::TComponent* component =
        node == root ? window.Form() : window.FN_Pega_Componente(node->Text());
    const auto* container = dynamic_cast<const platform::TWinControl*>(component);
    if (container == nullptr) continue;
    ContainerOrder order;
    order.container = node->Text();
    std::unordered_set<std::string> written;
    for (int i = 0; i < node->Count(); ++i) {
      const platform::TComponent* child = window.FN_Pega_Componente(node->Item(i)->Text());
      if (child == nullptr || !FN_Tem_TabOrder(*child)) continue;
      order.suggested.push_back(child->Name());
      written.insert(child->Name());
    }
    // After OK the written controls lead the tab list in suggested order; the others
    // follow in their present order.
    std::vector<std::string> now;
    std::vector<std::string> after = order.suggested;
    for (const platform::TWinControl* child : container->TabList()) {
      now.push_back(child->Name());
      if (written.count(child->Name()) != 0) {
        order.current.push_back(child->Name());
      } else {
        after.push_back(child->Name());
      }
    }
    order.differs = now != after;
    if (!order.suggested.empty()) orders.push_back(std::move(order));
  }
  return orders;
}

// Objects of the form file that carry a tab order but whose classes the class table does
// not know: the host cannot tell they are windowed controls, so they keep the tab order
// they have while their siblings are renumbered.
void UnknownTabControls(const ide::DfmObject& object, const platform::TComponent& form,
                        std::vector<std::string>* found) {
  for (const ide::DfmObject* child : object.children()) {
    const platform::TComponent* component = form.FindComponent(child->name());
    if (child->FindProperty("TabOrder") != nullptr && component != nullptr &&
        dynamic_cast<const platform::TWinControl*>(component) == nullptr)
      found->push_back(child->name() + ": " + child->class_name());
    UnknownTabControls(*child, form, found);
  }
}

std::string Join(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

struct TabOrderOptions {
  std::vector<std::string> paths;
  std::vector<std::string> classes;
  std::vector<std::string> search_paths;
  bool apply = false;
  bool active_control = false;
};

// Works the validator's window for the command: prints what it suggests, then presses OK
// (when applying and something would change) or Cancel; messages are printed.
class TabOrderDriver : public platform::ModalDriver {
 public:
  TabOrderDriver(Context& context, const TabOrderOptions& options)
      : context_(context), options_(options) {}

  bool pressed_ok = false;
  bool differs = false;

  platform::TModalResult RunModal(platform::TCustomForm& form, int) override {
    auto* window = dynamic_cast<TF_ZORI_TabOrder*>(&form);
    if (window == nullptr) return platform::mrCancel;
    differs = false;
    for (const ContainerOrder& order : Orders(*window)) {
      context_.out << "  " << order.container << ": " << Join(order.suggested);
      if (order.differs) {
        differs = true;
        context_.out << "  [now " << Join(order.current) << "]";
      } else {
        context_.out << "  [as now]";
      }
      context_.out << "\n";
    }
    bool active_differs = false;
    if (options_.active_control) {
      const platform::TTreeNode* selected = window->tv_tab_order_correto->Selected();
      const platform::TComponent& form_object = *window->Form();
      const bool has = form_object.HasProperty("ActiveControl");
      const std::string now = has ? form_object.GetPropValue("ActiveControl").AsString() : "";
      const std::string wanted = selected != nullptr ? selected->Text() : std::string();
      active_differs = has && selected != nullptr && wanted != now;
      context_.out << "  ActiveControl: " << (wanted.empty() ? "(no tab stop)" : wanted);
      context_.out << (active_differs ? "  [now " + (now.empty() ? "none" : now) + "]"
                                      : "  [as now]")
                   << "\n";
    }
    pressed_ok = options_.apply && (differs || active_differs);
    if (!pressed_ok) return platform::mrCancel;
    window->chk_n_ActiveControl->SetChecked(options_.active_control);
    window->bbtn_Ok->Click();
    return platform::mrOk;
  }

  int MessageBox(const platform::MessageRecord& message) override {
    context_.err << message.caption << ": " << message.text << "\n";
    return platform::IDOK;
  }

 private:
  Context& context_;
  const TabOrderOptions& options_;
};

int RunTabOrder(const TabOrderOptions& options, Context& context) {
  std::vector<std::string> errors;
  const std::vector<InputGroup> groups = GroupInputs(options.paths, &errors);
  AddinSession addin(context);
  std::string err;
  if (!addin.Load(&err)) {
    context.err << "zori taborder: " << err << "\n";
    return 2;
  }
  addin.LoadCatalogue();
  auto owned_driver = std::make_unique<TabOrderDriver>(context, options);
  TabOrderDriver& driver = *owned_driver;
  platform::Application().SetModalDriver(std::move(owned_driver));

  int forms = 0;
  int differing = 0;
  int written = 0;
  std::set<std::string> seen;  // a unit two projects share is validated once
  PathKeys unit_key;
  for (const InputGroup& group : groups) {
    // A tab order is a form's own business, so each form is opened, validated, saved and
    // closed alone and memory stays that of one form however large the project.
    HostSession session =
        OpenProject(group.paths, options.classes, options.search_paths, /*one_at_a_time=*/true);
    ide::DiskHost& host = *session.host;
    for (int listed = 0; listed < host.ListedCount(); ++listed) {
      const ListedModule open(host, listed, &session.errors);
      if (open.get() == nullptr) continue;
      ide::DiskModule& module = *open.get();
      const int i = host.IndexOf(module);
      if (module.Form() == nullptr || !seen.insert(unit_key(module.GetFileName())).second) continue;
      ++forms;
      context.out << module.Form()->GetFileName() << ": form " << module.Form()->Root()->Name()
                  << "\n";
      std::vector<std::string> unknown;
      UnknownTabControls(module.Form()->Document().root(), *module.Form()->Root(), &unknown);
      if (!unknown.empty()) {
        context.err << "zori taborder: " << module.Form()->GetFileName() << ": " << Join(unknown)
                    << ": classes the class table does not know keep their tab order (add "
                       "them with --classes)\n";
      }
      host.SetCurrentModule(i);
      try {
        v_Inst_ZORIIDEx->PR_OnClick_TabOrder(v_Inst_ZORIIDEx->FMenuZORITabOrder);
      } catch (const std::exception& e) {
        session.errors.push_back(module.Form()->GetFileName() + ": " + e.what());
        continue;
      }
      if (driver.differs) ++differing;
      if (!driver.pressed_ok || !module.Modified()) continue;
      if (!module.Save(false, false)) {
        session.errors.push_back(module.LastError());
        continue;
      }
      ++written;
      context.out << "  written\n";
    }
    errors.insert(errors.end(), session.errors.begin(), session.errors.end());
  }
  context.out << forms << (forms == 1 ? " form, " : " forms, ") << differing
              << " with another tab order";
  if (options.apply) context.out << ", " << written << " written";
  context.out << "\n";
  addin.Unload();
  for (const std::string& error : errors) context.err << "zori taborder: " << error << "\n";
  return errors.empty() ? 0 : 2;
}

}  // namespace

bool TabOrderFindings(CheckScope&, ide::DiskModule& module, std::vector<Finding>* findings,
                      std::string*) {
  auto editor = core::GetFormEditorFromModule(module.shared_from_this());
  auto* window = platform::TComponent::Create<TF_ZORI_TabOrder>(platform::Application());
  struct Release {
    TF_ZORI_TabOrder*& window;
    ~Release() { platform::FN_Destroi_Objeto(window); }
  } release{window};
  window->PR_Pega_Form_Ativo(editor);
  window->PR_Monta_Arvore_Normal();
  window->PR_TabOrder_Atual();
  for (const ContainerOrder& order : Orders(*window)) {
    if (!order.differs) continue;
    Finding finding;
    finding.check = "taborder";
    finding.summary = order.container + ": tab order " + Join(order.current) + "; suggested " +
                      Join(order.suggested);
    finding.detail["container"] = order.container;
    finding.detail["current"] = order.current;
    finding.detail["suggested"] = order.suggested;
    findings->push_back(std::move(finding));
  }
  return true;
}

void AddTabOrderCommand(CLI::App& app, Context& context, int& exit_code) {
  auto* cmd = app.add_subcommand(
      "taborder",
      "Run the tab-order validator on every form: print, per container, the suggested tab "
      "order (top to bottom, then left to right, then by name) and whether it differs from "
      "the form's. With --apply, press OK on each form that differs and save it (only its "
      "TabOrder lines change). Exit 0 when every input loaded and every save succeeded, 2 "
      "otherwise (the reasons go to stderr).");
  auto options = std::make_shared<TabOrderOptions>();
  cmd->add_option("PATH", options->paths, kProjectPathsHelp)->required();
  AddClassesOption(*cmd, options->classes);
  AddSearchPathOption(*cmd, options->search_paths);
  cmd->add_flag("--apply", options->apply, "write the suggested tab order (the window's OK)");
  cmd->add_flag("--active-control", options->active_control,
                "also make the first tab stop in the suggested order the form's "
                "ActiveControl (the window's check box)");
  cmd->callback([options, &context, &exit_code] { exit_code = RunTabOrder(*options, context); });
}

}  // namespace zori::cli
