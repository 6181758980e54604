#include "catalogue_command.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "addin_session.h"
#include "cli.h"
#include "core/U_zori_func.h"
#include "core/U_zori_resource.h"
#include "core/U_zori_resource_editor.h"
#include "designer/U_zori_list_comp.h"
#include "menus/U_zori_cust_menu.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/db_controls.h"
#include "platform/ext_controls.h"
#include "platform/menus.h"
#include "platform/std_controls.h"
#include "platform/strings.h"
#include "reg/U_zori_reg.h"
#include "tool_window.h"

namespace zori::cli {
namespace {

int Get(Context& context, const std::string& form, const std::string& path) {
  AddinSession session(context);
  std::string err;
  if (!session.Load(&err)) {
    context.err << "zori: " << err << "\n";
    return 2;
  }
  try {
    // Creating the holder loads the catalogue named in the configuration, as every window
    // of the add-in sees it.
    F_ZORI_Resource = platform::TComponent::Create<TF_ZORI_Resource>(platform::Application());
    platform::FN_Destroi_Objeto(F_ZORI_Resource);
  } catch (const std::exception& e) {
    context.err << "zori: " << e.what() << "\n";
    return 1;
  }
  std::string file;
  try {
    file = FN_Arquivo_Resources();
  } catch (const std::exception& e) {
    context.err << "zori: " << e.what() << "\n";
    return 2;
  }
  if (!std::filesystem::exists(std::filesystem::path(session.PackageDir()) / file)) {
    context.err << "zori: catalogue " << file << " not found in the package directory "
                << session.PackageDir() << "\n";
    return 1;
  }
  const std::string text = FN_Get_Component_StringResource(form, path);
  if (text.empty()) {
    context.err << "zori: no text for window '" << form << "' and path '" << path << "' in " << file
                << "\n";
    return 1;
  }
  context.out << text << "\n";
  return 0;
}

size_t Chars(const std::string& text) {
  size_t count = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}

// The index of name among the editor's form names, or -1.
int FormIndex(const std::string& name) {
  for (int i = 0; i < 19; ++i)
    if (name == kFormulariosCatalogo[i]) return i;
  return -1;
}

std::string FormNames() {
  std::string names;
  for (const char* name : kFormulariosCatalogo)
    names += std::string(names.empty() ? "" : ", ") + name;
  return names;
}

// Opens the catalogue editor from the tool menu and gives it the command's turn; the
// turn closes it with "Fechar", which writes the table and reloads the catalogue.
int WithEditor(Context& context, const std::function<int(TF_ZORI_Resource_Editor&)>& work) {
  ToolSession session(context);
  std::string err;
  if (!session.Start({}, &err)) {
    context.err << "zori: " << err << "\n";
    return 2;
  }
  int code = 1;
  session.Driver().On("F_ZORI_Resource_Editor", [&](platform::TCustomForm&) {
    TF_ZORI_Resource_Editor& editor = *F_ZORI_Resource_Editor;
    if (!editor.cds_Resources->Active()) {
      context.err << "zori: the catalogue could not be opened\n";
      code = 1;
    } else {
      code = work(editor);
    }
    editor.bbtn_Cancel->Click();
    return platform::mrNone;
  });
  v_Inst_ZORIIDEx->FMenuZORIResourceString->Click();
  return code;
}

int List(Context& context, const std::string& form, bool out_of_form) {
  if (!form.empty() && FormIndex(form) < 0) {
    context.err << "zori: " << form << " is not one of the editor's form names: " << FormNames()
                << "\n";
    return 2;
  }
  return WithEditor(context, [&](TF_ZORI_Resource_Editor& editor) {
    if (out_of_form || !form.empty()) {
      editor.ckb_filtro->SetChecked(true);
      editor.cb_Filtro->Select(out_of_form ? 0 : FormIndex(form));
    }
    const platform::TDBGrid& grid = *editor.dbg_Lista;
    for (int row = 0; row < grid.RowCount(); ++row) {
      for (int column = 0; column < grid.ColumnCount(); ++column)
        context.out << (column > 0 ? "\t" : "") << grid.CellText(row, column);
      context.out << "\n";
    }
    return 0;
  });
}

int Set(Context& context, const std::string& form, const std::string& key,
        const std::string& text) {
  if (!form.empty() && FormIndex(form) < 0) {
    context.err << "zori: " << form
                << " is not one of the editor's form names (\"\" for none): " << FormNames()
                << "\n";
    return 2;
  }
  // The table's fields hold 60 and 400 characters: a longer value is refused, never cut.
  if (key.empty() || Chars(key) > 60) {
    context.err << "zori: a component key has 1 to 60 characters; '" << key << "' has "
                << Chars(key) << "\n";
    return 2;
  }
  if (Chars(text) > 400) {
    context.err << "zori: a text has at most 400 characters; this one has " << Chars(text) << "\n";
    return 2;
  }
  return WithEditor(context, [&](TF_ZORI_Resource_Editor& editor) {
    platform::TDBGrid& grid = *editor.dbg_Lista;
    int found = -1;
    const std::string wanted = platform::UpperAscii(form + "." + key);
    for (int row = 0; row < grid.RowCount() && found < 0; ++row) {
      if (platform::UpperAscii(grid.CellText(row, 0) + "." + grid.CellText(row, 1)) == wanted)
        found = row;
    }
    if (found >= 0) {
      grid.SelectRow(found);
      editor.DBNavigator1->BtnClick(platform::nbEdit);
    } else {
      editor.DBNavigator1->BtnClick(platform::nbInsert);
      if (!form.empty()) editor.dbcb_NM_FORM->Select(FormIndex(form));
    }
    editor.dbe_NM_COMPONENTE->SetText(key);
    editor.dbe_TX_REFERENTE->SetText(text);
    editor.DBNavigator1->BtnClick(platform::nbPost);
    context.out << (found >= 0 ? "changed " : "added ") << form << "." << key << "\n";
    return 0;
  });
}

// The tool windows a capture can open by their component names.
std::unique_ptr<platform::TCustomForm> OpenWindow(const std::string& name) {
  if (name == "F_ZORI_List_Comp") return std::make_unique<TF_ZORI_List_Comp>();
  if (name == "F_ZORI_Cust_Menu") return std::make_unique<TF_ZORI_Cust_Menu>();
  if (name == "F_ZORI_Resource_Editor") return std::make_unique<TF_ZORI_Resource_Editor>();
  if (name == "F_ZORI_Tpl_Modal") return std::make_unique<TF_ZORI_Tpl_Modal>();
  return nullptr;
}

int RowsOf(const std::string& form) {
  int rows = 0;
  for (const TResource_String& entry : v_Resource_Strings)
    if (platform::UpperAscii(entry.NM_FORM) == platform::UpperAscii(form)) ++rows;
  return rows;
}

int Capture(Context& context, const std::string& window_name, bool replace) {
  const std::string marker = FN_Arquivo_Marcador();
  if (!std::filesystem::exists(marker)) {
    context.err << "zori: the catalogue capture is off: create the file " << marker
                << " to switch it on (its contents are not read)\n";
    return 2;
  }
  ToolSession session(context);
  std::string err;
  if (!session.Start({}, &err)) {
    context.err << "zori: " << err << "\n";
    return 2;
  }
  std::unique_ptr<platform::TCustomForm> window = OpenWindow(window_name);
  if (window == nullptr) {
    context.err << "zori: " << window_name
                << " is not a window the capture opens: F_ZORI_List_Comp, F_ZORI_Cust_Menu, "
                   "F_ZORI_Resource_Editor, F_ZORI_Tpl_Modal\n";
    return 2;
  }
  // The editor captured is the editor open: its table takes the rows.
  auto* editor = dynamic_cast<TF_ZORI_Resource_Editor*>(window.get());
  if (editor != nullptr) F_ZORI_Resource_Editor = editor;
  F_ZORI_Resource = platform::TComponent::Create<TF_ZORI_Resource>(platform::Application());
  platform::FN_Destroi_Objeto(F_ZORI_Resource);
  const int before = RowsOf(window_name);

  WindowDriver& driver = session.Driver();
  driver.Answer(true);
  driver.Answer(replace);
  driver.On(window_name, [](platform::TCustomForm& form) {
    auto* panel = dynamic_cast<platform::TPanel*>(form.FindComponent("pnl_down"));
    if (panel != nullptr) panel->DblClick();
    return platform::mrCancel;
  });
  try {
    window->ShowModal();
  } catch (const std::exception& e) {
    context.err << "zori: " << e.what() << "\n";
  }
  if (editor != nullptr) F_ZORI_Resource_Editor = nullptr;
  window.reset();

  F_ZORI_Resource = platform::TComponent::Create<TF_ZORI_Resource>(platform::Application());
  platform::FN_Destroi_Objeto(F_ZORI_Resource);
  const int after = RowsOf(window_name);
  context.out << window_name << ": " << before << " rows before, " << after << " after ("
              << (replace ? "texts replaced" : "existing texts kept") << ")\n";
  return 0;
}

}  // namespace

void AddCatalogueCommand(CLI::App& app, Context& context, int& exit_code) {
  CLI::App* catalogue = app.add_subcommand(
      "catalogue", "look up, list, edit and capture the texts of the text catalogue");
  catalogue->require_subcommand(1);
  auto form = std::make_shared<std::string>();
  auto path = std::make_shared<std::string>();
  CLI::App* get = catalogue->add_subcommand(
      "get", "print the text for window FORM and component PATH (letter case ignored)");
  get->add_option("FORM", *form, "window name, for example F_ZORI_Ren_Comps; \"\" for none")
      ->required();
  get->add_option("PATH", *path, "component path, for example bbtn_Ok.Caption")->required();
  get->callback([&context, &exit_code, form, path] { exit_code = Get(context, *form, *path); });

  auto list_form = std::make_shared<std::string>();
  auto out_of_form = std::make_shared<bool>(false);
  CLI::App* list = catalogue->add_subcommand(
      "list", "print the catalogue editor's rows (window, key, text; tab-separated)");
  CLI::Option* by_form =
      list->add_option("--form", *list_form, "only the rows of this window (the editor's filter)");
  list->add_flag("--out-of-form", *out_of_form, "only the rows without a window name")
      ->excludes(by_form);
  list->callback([&context, &exit_code, list_form, out_of_form] {
    exit_code = List(context, *list_form, *out_of_form);
  });

  auto set_form = std::make_shared<std::string>();
  auto set_key = std::make_shared<std::string>();
  auto set_text = std::make_shared<std::string>();
  CLI::App* set = catalogue->add_subcommand(
      "set", "through the catalogue editor: change the text of FORM and KEY, or add the row");
  set->add_option("FORM", *set_form, "one of the editor's form names; \"\" for none")->required();
  set->add_option("KEY", *set_key, "component key, for example bbtn_Ok.Caption (60 characters)")
      ->required();
  set->add_option("TEXT", *set_text, "the text (400 characters at most)")->required();
  set->callback([&context, &exit_code, set_form, set_key, set_text] {
    exit_code = Set(context, *set_form, *set_key, *set_text);
  });

  auto window = std::make_shared<std::string>();
  auto replace = std::make_shared<bool>(false);
  CLI::App* capture = catalogue->add_subcommand(
      "capture",
      "open WINDOW and double-click its button bar: its captions go into the catalogue (needs "
      "the marker file $XDG_CONFIG_HOME/zori/zori.txt, else ~/.config/zori/zori.txt)");
  capture
      ->add_option("WINDOW", *window, "the window's component name, for example F_ZORI_List_Comp")
      ->required();
  capture->add_flag("--replace", *replace,
                    "replace existing texts (default: fill empty ones only)");
  capture->callback(
      [&context, &exit_code, window, replace] { exit_code = Capture(context, *window, *replace); });
}

}  // namespace zori::cli
