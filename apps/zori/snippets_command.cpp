#include "snippets_command.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "addin_session.h"
#include "cli.h"
#include "core/U_zori_func.h"
#include "core/U_zori_resource.h"
#include "editor/U_zori_codesnippets.h"
#include "editor/U_zori_find_cs.h"
#include "ide/text_encoding.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/db_controls.h"
#include "platform/mask_edit.h"
#include "platform/modal_driver.h"
#include "platform/std_controls.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {
namespace {

const int kNoMatch = 1;
const int kBadInput = 2;

using Library = TF_ZORI_CodeSnippets;
using Finder = TF_ZORI_Find_CS;

// The user at the keyboard: one turn on the library and one on the finder, each given by
// the command; the library is closed with "Fechar" and the finder with its own choice.
// Messages are printed as the user would read them and counted.
class SnippetsDriver : public platform::ModalDriver {
 public:
  explicit SnippetsDriver(std::ostream& err) : err_(err) {}

  std::function<void(Library&)> on_library_;
  std::function<void(Finder&)> on_finder_;

  platform::TModalResult RunModal(platform::TCustomForm& form, int turn) override {
    if (auto* message = form.FindComponent("lbl_Mensagem")) {
      Print(form.Caption(), message->GetPropValue("Caption").AsString());
      return form.Tag() == 2 ? platform::mrOk : platform::mrCancel;
    }
    if (auto* library = dynamic_cast<Library*>(&form); library != nullptr && turn == 0) {
      if (on_library_) on_library_(*library);
    } else if (auto* finder = dynamic_cast<Finder*>(&form); finder != nullptr && turn == 0) {
      if (on_finder_) on_finder_(*finder);
      if (finder->ModalResult() != platform::mrNone) return finder->ModalResult();
    }
    // Whatever is left pending is given up, as a user pressing Cancel on the navigator.
    if (auto* library = dynamic_cast<Library*>(&form);
        library != nullptr && library->cds_Snippets->Active() &&
        library->cds_Snippets->State() != platform::dsBrowse)
      library->cds_Snippets->Cancel();
    return platform::mrCancel;
  }

  int MessageBox(const platform::MessageRecord& message) override {
    Print(message.caption, message.text);
    return message.buttons == "OK" ? platform::IDOK : platform::IDCANCEL;
  }

  int Messages() const { return messages_; }

 private:
  void Print(const std::string& caption, const std::string& text) {
    ++messages_;
    err_ << caption << ": " << text << "\n";
  }

  std::ostream& err_;
  int messages_ = 0;
};

// Text given on the command line or in a file, as UTF-8: a Windows-1252 file (what the
// IDE writes) is decoded, UTF-8 is taken as it is.
std::string AsUtf8(const std::string& bytes) {
  return ide::DecodeText(bytes, ide::DetectEncoding(bytes));
}

// The index of the group in a group chooser, or -1.
int GroupIndex(const platform::TDBLookupComboBox& chooser, int32_t group) {
  const platform::TDataSet* groups = chooser.ListSource()->DataSet();
  if (groups == nullptr || !groups->Active()) return -1;
  const platform::TField* key = groups->FindField("id_tipo_cs");
  for (int row = 0; key != nullptr && row < groups->RecordCount(); ++row)
    if (groups->RowValue(row, *key).AsString() == std::to_string(group)) return row;
  return -1;
}

// What a command does in the two windows; code is its exit code.
struct Plan {
  std::function<void(Library&, SnippetsDriver&)> library;
  std::function<void(Finder&, SnippetsDriver&)> finder;
  int code = kNoMatch;
};

// Opens the library from the tool menu's handler, as a click on "Code Snippets" does, and
// works it with the plan. A message shown on the way (a refused post or filter, a table
// that could not be written) turns success into failure.
int RunLibrary(Context& context, Plan& plan) {
  AddinSession session(context);
  std::string err;
  if (!session.Load(&err)) {
    context.err << "zori: " << err << "\n";
    return kBadInput;
  }
  if (const std::string note = session.MissingStoreNote(); !note.empty()) {
    context.err << "zori: " << note << "\n";
    return kNoMatch;
  }
  for (const char* file : {kArquivoGruposSnippets, kArquivoSnippets}) {
    if (!std::filesystem::exists(std::filesystem::path(session.PackageDir()) / file)) {
      context.err << "zori: " << file << " not found in the package directory "
                  << session.PackageDir() << "\n";
      return kNoMatch;
    }
  }
  auto owned = std::make_unique<SnippetsDriver>(context.err);
  SnippetsDriver& driver = *owned;
  driver.on_library_ = [&plan, &driver](Library& w) {
    if (plan.library) plan.library(w, driver);
  };
  driver.on_finder_ = [&plan, &driver](Finder& f) {
    if (plan.finder) plan.finder(f, driver);
  };
  try {
    // The windows' texts and messages come from the configured catalogue.
    F_ZORI_Resource = platform::TComponent::Create<TF_ZORI_Resource>(platform::Application());
    platform::FN_Destroi_Objeto(F_ZORI_Resource);
    platform::Application().SetModalDriver(std::move(owned));
    v_Inst_ZORIIDEx->PR_OnClick_CodeSnippets(nullptr);
  } catch (const std::exception& e) {
    context.err << "zori: " << e.what() << "\n";
    return kNoMatch;
  }
  if (plan.code == 0 && driver.Messages() > 0) return kNoMatch;
  return plan.code;
}

// Chooses the group in a group chooser as the user does; false (with a note) when the
// group table has no such group.
bool ChooseGroup(Context& context, platform::TDBLookupComboBox& chooser, int32_t group) {
  const int index = GroupIndex(chooser, group);
  if (index < 0) {
    context.err << "zori: no group " << group << " in " << kArquivoGruposSnippets << "\n";
    return false;
  }
  chooser.SelectItem(index);
  return true;
}

int Groups(Context& context) {
  Plan plan;
  plan.library = [&](Library& w, SnippetsDriver&) {
    const platform::TDataSet& groups = *w.cds_Snip_Groups;
    if (!groups.Active()) return;
    const std::vector<std::string> names = w.lbcb_ds_tipo_cs->ListItems();
    const platform::TField& key = *groups.FieldByName("id_tipo_cs");
    for (size_t row = 0; row < names.size(); ++row)
      context.out << groups.RowValue(static_cast<int>(row), key).AsString() << " " << names[row]
                  << "\n";
    plan.code = names.empty() ? kNoMatch : 0;
  };
  return RunLibrary(context, plan);
}

int List(Context& context, std::optional<int32_t> group) {
  Plan plan;
  plan.library = [&](Library& w, SnippetsDriver&) {
    if (group && !ChooseGroup(context, *w.lbcb_ds_tipo_cs, *group)) return;
    if (!w.cds_Snip_Groups->Active() || w.cds_Snip_Groups->IsEmpty()) return;
    const std::string shown = w.cds_Snip_Groups->FieldByName("id_tipo_cs")->AsString();
    const std::vector<std::string> items = w.dblc_snipplet->ListItems();
    for (const std::string& item : items) context.out << shown << " " << item << "\n";
    plan.code = items.empty() ? kNoMatch : 0;
  };
  return RunLibrary(context, plan);
}

// The finder's search as the user runs it: the description typed, the group chosen,
// "Pesquisar". False when no search ran (an unknown group, a refused filter).
bool Search(Context& context, Finder& f, SnippetsDriver& driver, const std::string& description,
            std::optional<int32_t> group, int& code) {
  if (!description.empty()) f.me_ds_code_snipplet->SetText(description);
  if (group && !ChooseGroup(context, *f.dblc_id_tipo_cs, *group)) return false;
  const int before = driver.Messages();
  f.bbtn_pesq->Click();
  if (driver.Messages() > before) {
    code = kBadInput;
    return false;
  }
  return true;
}

int Find(Context& context, const std::string& description, std::optional<int32_t> group) {
  Plan plan;
  plan.library = [](Library& w, SnippetsDriver&) { w.bbtn_Ok->Click(); };
  plan.finder = [&](Finder& f, SnippetsDriver& driver) {
    if (!Search(context, f, driver, description, group, plan.code)) return;
    const platform::TField& key = *f.cds_Snippets->FieldByName("id_tipo_cs");
    const int rows = f.dbg_Lista->RowCount();
    for (int row = 0; row < rows; ++row)
      context.out << f.cds_Snippets->RowValue(row, key).AsString() << " "
                  << f.dbg_Lista->CellText(row, 0) << "\n";
    plan.code = rows == 0 ? kNoMatch : 0;
  };
  return RunLibrary(context, plan);
}

int Show(Context& context, const std::string& description, std::optional<int32_t> group) {
  Plan plan;
  bool reached = false;
  plan.library = [&](Library& w, SnippetsDriver&) {
    w.bbtn_Ok->Click();
    if (!reached) return;
    // The text as the table holds it, byte for byte: no line break is added.
    context.out << w.cds_Snippets->FieldByName("tx_code_snipplet")->AsString();
    plan.code = 0;
  };
  plan.finder = [&](Finder& f, SnippetsDriver& driver) {
    if (!Search(context, f, driver, description, group, plan.code)) return;
    if (f.dbg_Lista->RowCount() == 0 || !f.bbtn_Ok->Enabled()) {
      context.err << "zori: no snippet matches '" << description << "'\n";
      return;
    }
    f.dbg_Lista->SelectRow(0);
    f.bbtn_Ok->Click();
    reached = f.ModalResult() == platform::mrOk;
    if (!reached) context.err << "zori: the library cannot show that snippet\n";
  };
  return RunLibrary(context, plan);
}

int Add(Context& context, int32_t group, const std::string& description, const std::string& text) {
  if (description.empty()) {
    context.err << "zori: a snippet needs a description\n";
    return kBadInput;
  }
  Plan plan;
  plan.library = [&](Library& w, SnippetsDriver&) {
    if (!ChooseGroup(context, *w.lbcb_ds_tipo_cs, group)) {
      plan.code = kBadInput;
      return;
    }
    w.dbn_nav->BtnClick(platform::nbInsert);
    try {
      w.dbe_ds_code_snipplet->SetText(description);
      w.dbre_tx_code_snipplet->SetText(text);
      w.dbn_nav->BtnClick(platform::nbPost);
      plan.code = 0;
    } catch (const std::exception& e) {
      context.err << "zori: " << e.what() << "\n";
      w.dbn_nav->BtnClick(platform::nbCancel);
      plan.code = kBadInput;
    }
  };
  return RunLibrary(context, plan);
}

int Delete(Context& context, const std::string& description, int32_t group) {
  Plan plan;
  plan.library = [&](Library& w, SnippetsDriver&) {
    if (!ChooseGroup(context, *w.lbcb_ds_tipo_cs, group)) return;
    const std::vector<std::string> items = w.dblc_snipplet->ListItems();
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i] != description) continue;
      w.dblc_snipplet->SelectItem(static_cast<int>(i));
      w.dbn_nav->BtnClick(platform::nbDelete);
      plan.code = 0;
      return;
    }
    context.err << "zori: no snippet '" << description << "' in group " << group << "\n";
  };
  return RunLibrary(context, plan);
}

// The text of --text, or the content of --file; nullopt (with a note) when the file
// cannot be read.
std::optional<std::string> SnippetText(Context& context, const std::string& text,
                                       const std::string& file) {
  if (file.empty()) return AsUtf8(text);
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    context.err << "zori: " << file << ": cannot be read\n";
    return std::nullopt;
  }
  std::ostringstream content;
  content << in.rdbuf();
  return AsUtf8(content.str());
}

}  // namespace

void AddSnippetsCommand(CLI::App& app, Context& context, int& exit_code) {
  CLI::App* snippets = app.add_subcommand(
      "snippets",
      "the code snippet library: list, search, print, add and delete snippets by group");
  snippets->require_subcommand(1);
  snippets->footer(
      "Exit 0 on success, 1 when nothing matched, 2 on bad input (a description over 200 or a "
      "text over 5000 characters included; nothing is written then).");

  CLI::App* groups =
      snippets->add_subcommand("groups", "print each group: its id, a blank, its name");
  groups->callback([&context, &exit_code] { exit_code = Groups(context); });

  struct Args {
    std::optional<int32_t> group;
    std::string description;
    std::string text;
    std::string file;
  };
  auto args = std::make_shared<Args>();
  auto group_option = [&args](CLI::App* command, const char* what) {
    return command->add_option("--group", args->group, what)->option_text("ID");
  };

  CLI::App* list = snippets->add_subcommand(
      "list",
      "print the snippets of a group as the library shows them: group id, a blank, "
      "the description");
  group_option(list, "the group (default: the first of the group table)");
  list->callback([&context, &exit_code, args] { exit_code = List(context, args->group); });

  CLI::App* find = snippets->add_subcommand(
      "find",
      "search as the finder does (the description contains WORDS, letter case "
      "counts; % and _ are wildcards) and print the matches: group id, a blank, the "
      "description");
  find->add_option("--description", args->description, "words of the description")
      ->option_text("WORDS");
  group_option(find, "only this group");
  find->callback([&context, &exit_code, args] {
    exit_code = Find(context, AsUtf8(args->description), args->group);
  });

  CLI::App* show = snippets->add_subcommand(
      "show",
      "print the text of the first snippet whose description contains DESCRIPTION, "
      "exactly as stored");
  show->add_option("DESCRIPTION", args->description, "words of the description")->required();
  group_option(show, "only this group");
  show->callback([&context, &exit_code, args] {
    exit_code = Show(context, AsUtf8(args->description), args->group);
  });

  CLI::App* add = snippets->add_subcommand("add", "add a snippet to a group");
  group_option(add, "the snippet's group")->required();
  add->add_option("--description", args->description, "the description (up to 200 characters)")
      ->required();
  auto* text = add->add_option("--text", args->text, "the snippet text (up to 5000 characters)");
  auto* file = add->add_option("--file", args->file,
                               "read the snippet text from FILE (Windows-1252 or UTF-8)")
                   ->option_text("FILE");
  text->excludes(file);
  add->callback([&context, &exit_code, args, add] {
    if (add->count("--text") + add->count("--file") != 1) {
      context.err << "zori: give the snippet text with --text or --file\n";
      exit_code = kBadInput;
      return;
    }
    const std::optional<std::string> body = SnippetText(context, args->text, args->file);
    exit_code = body ? Add(context, *args->group, AsUtf8(args->description), *body) : kBadInput;
  });

  CLI::App* del = snippets->add_subcommand(
      "delete", "delete the first snippet of the group whose description is DESCRIPTION");
  del->add_option("DESCRIPTION", args->description, "the whole description")->required();
  group_option(del, "the snippet's group")->required();
  del->callback([&context, &exit_code, args] {
    exit_code = Delete(context, AsUtf8(args->description), *args->group);
  });
}

}  // namespace zori::cli
