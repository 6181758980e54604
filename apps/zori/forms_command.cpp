#include "forms_command.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli.h"
#include "designer/U_zori_list_comp.h"
#include "platform/menus.h"
#include "platform/tree_view.h"
#include "reg/U_zori_reg.h"
#include "tool_window.h"

namespace zori::cli {
namespace {

int Forms(Context& context, const std::vector<std::string>& project) {
  ToolSession session(context);
  std::string err;
  if (!session.Start(project, &err)) {
    context.err << "zori: " << err << "\n";
    return 2;
  }
  bool shown = false;
  session.Driver().On("F_ZORI_List_Comp", [&](platform::TCustomForm&) {
    shown = true;
    const platform::TTreeNodes& nodes = F_ZORI_List_Comp->tv_comps->Items();
    for (platform::TTreeNode* node = nodes.GetFirstNode(); node != nullptr; node = node->GetNext())
      context.out << std::string(2 * node->Level(), ' ') << node->Text() << "\n";
    return platform::mrOk;
  });
  v_Inst_ZORIIDEx->FMenuListaCompsForm->Click();
  if (!shown) {
    context.err << "zori: the form lister did not open\n";
    return 1;
  }
  return 0;
}

}  // namespace

void AddFormsCommand(CLI::App& app, Context& context, int& exit_code) {
  auto project = std::make_shared<std::vector<std::string>>();
  CLI::App* forms = app.add_subcommand(
      "forms",
      "print the form lister's tree: every form of the IDE (its windows, the add-in's, the "
      "project's designed forms) with its windowed controls under their parents");
  forms->add_option("PROJECT", *project,
                    "a .dpr, .lpi or .lpr, a folder or .pas/.dfm/.lfm files; without it only the "
                    "IDE's windows");
  forms->callback([&context, &exit_code, project] { exit_code = Forms(context, *project); });
}

}  // namespace zori::cli
