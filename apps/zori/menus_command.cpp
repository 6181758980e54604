#include "menus_command.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include "cli.h"
#include "ide/ToolsAPI.h"
#include "menus/U_zori_cust_menu.h"
#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/menus.h"
#include "platform/std_controls.h"
#include "platform/tree_view.h"
#include "reg/U_zori_reg.h"
#include "tool_window.h"

namespace zori::cli {
namespace {

struct Request {
  std::string find;
  std::string path;
};

// The image field's entry text: the item's image index as the menu numbers it.
std::string ImageText(const TF_ZORI_Cust_Menu& window) {
  const int entry = window.cbex_imageindex->ItemIndex();
  return entry >= 0 ? window.cbex_imageindex->ItemsEx(entry).caption : std::string();
}

void PrintProperties(std::ostream& out, const TF_ZORI_Cust_Menu& window) {
  out << "Caption: " << window.edt_caption->Text() << "\n"
      << "Name: " << window.edt_name->Text() << "\n"
      << "Action: " << window.edt_Action_Name->Text() << "\n"
      << "ShortCut: " << platform::ShortCutToText(window.hk_shortcut->HotKey()) << "\n"
      << "ImageIndex: " << ImageText(window) << "\n"
      << "Hint: " << window.edt_hint->Text() << "\n";
}

// One line per node, two blanks of indent per level: the caption, the item's shortcut
// when it has one, and the node's picture in the window's image list.
void PrintTree(std::ostream& out, TF_ZORI_Cust_Menu& window) {
  for (platform::TTreeNode* node = window.tv_menus->Items().GetFirstNode(); node != nullptr;
       node = node->GetNext()) {
    // Selecting the node shows its item's properties, shortcut included.
    window.tv_menus->SetSelected(node);
    out << std::string(2 * node->Level(), ' ') << node->Text();
    if (window.hk_shortcut->HotKey() != platform::scNone)
      out << "  " << platform::ShortCutToText(window.hk_shortcut->HotKey());
    out << "  picture " << node->ImageIndex() << "\n";
  }
  window.tv_menus->SetSelected(nullptr);
}

// Walks 'File|Save All' with the menu's own find-by-caption, then selects the node of
// the item found at each step, as the tree holds the items under their captions.
bool SelectPath(TF_ZORI_Cust_Menu& window, const std::string& path) {
  auto services = ide::Supports<ide::INTAServices>(ide::BorlandIDEServices);
  platform::TMenuItem* item = services ? services->GetMainMenu()->Items() : nullptr;
  platform::TTreeNode* node = nullptr;
  std::istringstream parts(path);
  std::string part;
  while (item != nullptr && std::getline(parts, part, '|')) {
    item = item->Find(part);
    if (item == nullptr) return false;
    platform::TTreeNode* child =
        node != nullptr ? node->GetFirstChild() : window.tv_menus->Items().GetFirstNode();
    while (child != nullptr && child->Text() != item->Caption()) child = child->GetNextSibling();
    if (child == nullptr) return false;
    node = child;
  }
  if (node == nullptr) return false;
  window.tv_menus->SetSelected(node);
  node->MakeVisible();
  return true;
}

int Menus(Context& context, const Request& request) {
  ToolSession session(context);
  std::string err;
  if (!session.Start({}, &err)) {
    context.err << "zori: " << err << "\n";
    return 2;
  }
  int code = 1;
  session.Driver().On("F_ZORI_Cust_Menu", [&](platform::TCustomForm&) {
    TF_ZORI_Cust_Menu& window = *F_ZORI_Cust_Menu;
    if (request.find.empty() && request.path.empty()) {
      PrintTree(context.out, window);
      code = 0;
      return platform::mrCancel;
    }
    bool found = false;
    if (!request.find.empty()) {
      window.edt_Caption_Find->SetText(request.find);  // checks "Caption"
      window.bbtn_pesq->Click();
      found = window.tv_menus->Selected() != nullptr;
      if (!found)
        context.err << "zori: no menu item is captioned exactly '" << request.find
                    << "' (\"&\" markers and letter case count)\n";
    } else {
      found = SelectPath(window, request.path);
      if (!found) context.err << "zori: no menu item at '" << request.path << "'\n";
    }
    if (found) {
      PrintProperties(context.out, window);
      code = 0;
    }
    return platform::mrCancel;
  });
  v_Inst_ZORIIDEx->FMenuZORICust_Menu->Click();
  return code;
}

}  // namespace

void AddMenusCommand(CLI::App& app, Context& context, int& exit_code) {
  auto request = std::make_shared<Request>();
  CLI::App* menus = app.add_subcommand(
      "menus",
      "open the IDE menu browser: print its tree (captions, shortcuts, pictures), or the "
      "properties of the item found");
  CLI::Option* find = menus->add_option(
      "--find", request->find,
      "search as the window does: the caption typed exactly, \"&\" markers and letter case "
      "included ('Save A&ll')");
  menus
      ->add_option("--path", request->path,
                   "the item at a caption path, \"&\" markers and letter case ignored "
                   "('File|Save All')")
      ->excludes(find);
  menus->callback([&context, &exit_code, request] { exit_code = Menus(context, *request); });
}

}  // namespace zori::cli
