#include "comment_command.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "addin_session.h"
#include "cli.h"
#include "editor/U_zori_manager_comm.h"
#include "host_session.h"
#include "ide/disk_host.h"
#include "ide/disk_module.h"
#include "ide/pascal_lexer.h"
#include "ide/source_editor.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/clock.h"
#include "platform/db_controls.h"
#include "platform/menus.h"
#include "platform/modal_driver.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {
namespace {

struct CommentOptions {
  std::string unit;
  int line = 0;
  std::string routine;
  std::optional<std::string> description, analyst, programmer, date, time, result;
  std::vector<std::string> params;
  std::vector<std::string> history;
  bool cancel = false;
  bool print = false;
};

// Works the comment manager as the flags say: the given fields are typed into their
// controls, parameter descriptions posted row by row, history rows added after the last
// one (the table's insert handlers preset them), then OK or Cancel. Every other window
// is printed and answered as a user who cannot click would.
class CommentDriver : public platform::ModalDriver {
 public:
  CommentDriver(const CommentOptions& options, std::unique_ptr<platform::ModalDriver> printing,
                std::string* bad_argument)
      : options_(options), printing_(std::move(printing)), bad_argument_(bad_argument) {}

  platform::TModalResult RunModal(platform::TCustomForm& form, int turn) override {
    auto* window = dynamic_cast<TF_ZORI_Manager_Comm*>(&form);
    if (window == nullptr) return printing_->RunModal(form, turn);
    // The window refused OK (a message said why): the user gives up.
    if (turn > 0 || options_.cancel) return platform::mrCancel;
    TF_ZORI_Manager_Comm& w = *window;
    if (options_.description) w.dbm_TX_DESCRICAO->SetText(*options_.description);
    if (options_.analyst) w.dbe_NM_ANALISTA->SetText(*options_.analyst);
    if (options_.programmer) w.dbe_NM_PROGRAMADOR->SetText(*options_.programmer);
    if (options_.date) w.dbe_DT_COMMENT->SetText(*options_.date);
    if (options_.time) w.dbe_HR_COMMENT->SetText(*options_.time);
    if (options_.result) w.dbe_TX_RESULT->SetText(*options_.result);
    for (const std::string& param : options_.params) {
      const size_t eq = param.find('=');
      const std::string name = param.substr(0, eq);
      if (!w.cds_Params->Active() ||
          !w.cds_Params->Locate("TX_NM_PAR", name, platform::loCaseInsensitive)) {
        *bad_argument_ = "--param " + name + ": the declaration has no parameter of that name";
        return platform::mrCancel;
      }
      w.dbm_TX_DESCRIPTION_par->SetText(param.substr(eq + 1));
      w.dbn_DBNavigator1->BtnClick(platform::nbPost);
    }
    for (const std::string& row : options_.history) {
      const size_t bar1 = row.find('|');
      const size_t bar2 = row.find('|', bar1 + 1);
      // Appended, so the row follows the history read back; the insert handlers preset it.
      w.cds_hist->Append();
      if (bar1 > 0) w.dbe_DT_COMMENT_Hist->SetText(row.substr(0, bar1));
      if (bar2 > bar1 + 1) w.dbe_NM_DEVELOPER_Hist->SetText(row.substr(bar1 + 1, bar2 - bar1 - 1));
      w.dbm_TX_COMMENT_Hist->SetText(row.substr(bar2 + 1));
      w.dbn_DBNavigator2->BtnClick(platform::nbPost);
    }
    w.bbtn_Ok->Click();
    return form.ModalResult();
  }

  int MessageBox(const platform::MessageRecord& message) override {
    return printing_->MessageBox(message);
  }

 private:
  const CommentOptions& options_;
  std::unique_ptr<platform::ModalDriver> printing_;
  std::string* bad_argument_;
};

// The line (1-based) of the first declaration of routine in text, matched ignoring case,
// whole or, for a plain name, as the method part of a qualified one; 0 when none.
int DeclarationLine(const std::string& text, const std::string& routine) {
  ide::PascalLexer lexer(text);
  ide::PascalToken token;
  const bool plain = routine.find('.') == std::string::npos;
  while (lexer.Next(&token) && token.kind != ide::PascalToken::Eof) {
    if (token.kind != ide::PascalToken::Ident) continue;
    if (!lexer.Is(token, "procedure") && !lexer.Is(token, "function") &&
        !lexer.Is(token, "constructor") && !lexer.Is(token, "destructor")) {
      continue;
    }
    const size_t keyword = token.begin;
    std::string name;
    std::string last;
    ide::PascalToken part;
    while (lexer.Next(&part) && part.kind == ide::PascalToken::Ident) {
      last = std::string(lexer.Text(part));
      name += last;
      ide::PascalToken dot;
      ide::PascalLexer peek = lexer;
      if (!peek.Next(&dot) || lexer.Text(dot) != ".") break;
      lexer = peek;
      name += ".";
    }
    if (name.empty()) continue;
    if (ide::SameIdentifier(name, routine) || (plain && ide::SameIdentifier(last, routine))) {
      return 1 + static_cast<int>(std::count(text.begin(), text.begin() + keyword, '\n'));
    }
  }
  return 0;
}

// The header at the cursor line: from there through the line that closes the comment.
std::string HeaderAt(ide::SourceEditor& source) {
  const std::u32string& chars = source.Chars();
  size_t pos = source.OffsetOf(source.cursor.Line, 1);
  const size_t start = pos;
  while (pos < chars.size()) {
    size_t lf = chars.find(U'\n', pos);
    if (lf == std::u32string::npos) lf = chars.size() - 1;
    size_t end = lf;
    while (end > pos && (chars[end] == U'\n' || chars[end] == U'\r')) --end;
    pos = lf + 1;
    if (chars[end] == U'}') break;
  }
  return ide::ToUtf8(chars.substr(start, pos - start));
}

bool ValidDate(const std::string& date) {
  return std::regex_match(date, std::regex(R"((0[1-9]|[12][0-9]|3[01])/(0[1-9]|1[0-2])/[0-9]{4})"));
}

bool ValidTime(const std::string& time) {
  return std::regex_match(time, std::regex(R"(([01][0-9]|2[0-3]):[0-5][0-9])"));
}

// Bad arguments: a message for each, none when all are sound.
std::string CheckOptions(const CommentOptions& o) {
  if ((o.line > 0) == !o.routine.empty()) return "give exactly one of --line N and --routine NAME";
  if (o.line < 0) return "--line must be 1 or more";
  if (o.date && !ValidDate(*o.date)) return "--date " + *o.date + ": expected DD/MM/YYYY";
  if (o.time && !ValidTime(*o.time)) return "--time " + *o.time + ": expected HH:MM";
  for (const std::string& p : o.params) {
    if (p.find('=') == std::string::npos || p.front() == '=') {
      return "--param " + p + ": expected NAME=TEXT";
    }
  }
  for (const std::string& h : o.history) {
    const size_t bar1 = h.find('|');
    if (bar1 == std::string::npos || h.find('|', bar1 + 1) == std::string::npos) {
      return "--history " + h + ": expected 'DATE|DEVELOPER|TEXT'";
    }
    if (bar1 > 0 && !ValidDate(h.substr(0, bar1))) {
      return "--history " + h + ": the date must be DD/MM/YYYY";
    }
  }
  return {};
}

int RunComment(const CommentOptions& options, Context& context) {
  if (const std::string bad = CheckOptions(options); !bad.empty()) {
    context.err << "zori comment: " << bad << "\n";
    return 2;
  }
  std::error_code ec;
  if (!std::filesystem::is_regular_file(options.unit, ec)) {
    context.err << "zori comment: " << options.unit << ": no such unit file\n";
    return 2;
  }
  AddinSession session(context);
  std::string err;
  if (!session.Load(&err)) {
    context.err << "zori comment: " << err << "\n";
    return 2;
  }
  HostSession project = OpenProject({options.unit}, {});
  for (const std::string& error : project.errors) context.err << "zori comment: " << error << "\n";
  std::shared_ptr<ide::DiskModule> module = project.host->FindModule(options.unit);
  if (module == nullptr) {
    if (project.errors.empty()) context.err << "zori comment: " << options.unit << ": not a unit\n";
    return 1;
  }
  for (int i = 0; i < project.host->ModuleCount(); ++i) {
    if (project.host->Module(i) == module) project.host->SetCurrentModule(i);
  }

  int line = options.line;
  if (!options.routine.empty()) {
    line = DeclarationLine(module->Source().Text(), options.routine);
    if (line == 0) {
      context.err << "zori comment: " << options.unit << ": no declaration of routine "
                  << options.routine << "\n";
      return 1;
    }
  }
  // The cursor goes where the user would click: view 0 of the unit's editor.
  module->Source().GetEditView(0)->SetCursorPos({1, line});

  std::string bad_argument;
  auto printing = platform::Application().SetModalDriver(nullptr);
  platform::Application().SetModalDriver(
      std::make_unique<CommentDriver>(options, std::move(printing), &bad_argument));
  auto clock = std::make_unique<platform::ManualClock>();
  platform::ManualClock& time = *clock;
  platform::Application().SetClock(std::move(clock));

  int code = 0;
  try {
    Register();
    time.Advance(1000);  // the tool menu is built on the start-up timer's tick
    platform::Application().ProcessMessages();
    platform::TMenuItem* item =
        v_Inst_ZORIIDEx != nullptr ? v_Inst_ZORIIDEx->FMenuZORIComment : nullptr;
    if (item == nullptr) throw platform::Exception("the tool menu was not built");
    platform::Application().ClearMessageLog();
    item->Click();
    if (!bad_argument.empty()) {
      context.err << "zori comment: " << bad_argument << "\n";
      code = 2;
    } else if (!platform::Application().MessageLog().empty()) {
      code = 1;  // the command reported an error; its message went to stderr
    }
  } catch (const std::exception& e) {
    context.err << "zori comment: " << options.unit << ": " << e.what() << "\n";
    if (const std::string note = session.MissingStoreNote(); !note.empty())
      context.err << "zori comment: " << note << "\n";
    code = 1;
  }
  if (code == 0 && module->Modified()) {
    if (!module->Save(false, true)) {
      context.err << "zori comment: " << module->LastError() << "\n";
      code = module->ChangedOnDisk() ? 2 : 1;
    } else if (options.print) {
      context.out << HeaderAt(module->Source());
    }
  }
  session.Unload();
  return code;
}

}  // namespace

void AddCommentCommand(CLI::App& app, Context& context, int& exit_code) {
  auto options = std::make_shared<CommentOptions>();
  CLI::App* command = app.add_subcommand(
      "comment",
      "Write the framed header comment above the declaration at line N of UNIT (or of the "
      "first declaration of routine NAME), as the editor's comment command does: a header "
      "written earlier for the same routine is read back and replaced, keeping its history. "
      "The manager window's fields come from the flags; fields not given keep what the window "
      "shows (defaults, read-back). The unit is written back in its own encoding and line "
      "breaks. Exit 0 on success, 1 when the command reported an error (on standard error), "
      "2 on bad arguments or when the unit changed on disk since it was read (it is not "
      "written over).");
  command
      ->add_option("UNIT", options->unit,
                   "the unit (.pas; a Lazarus unit is read and written as UTF-8)")
      ->required();
  command->add_option("--line", options->line, "the cursor line (1-based)");
  command->add_option("--routine", options->routine,
                      "put the cursor on the first declaration of this routine (case ignored)");
  command->add_option("--description", options->description, "the routine's description");
  command->add_option("--analyst", options->analyst, "the analyst");
  command->add_option("--programmer", options->programmer, "the programmer");
  command->add_option("--date", options->date, "date of the header, DD/MM/YYYY");
  command->add_option("--time", options->time, "time of the header, HH:MM");
  command
      ->add_option("--param", options->params,
                   "NAME=TEXT: description of parameter NAME (repeatable)")
      ->allow_extra_args(false);
  command->add_option("--result", options->result, "description of the function result");
  command
      ->add_option("--history", options->history,
                   "'DATE|DEVELOPER|TEXT': a revision row to add; an empty DATE or "
                   "DEVELOPER keeps today's date or the default programmer (repeatable)")
      ->allow_extra_args(false);
  command->add_flag("--cancel", options->cancel, "press Cancel: nothing is written");
  command->add_flag("--print", options->print, "print the header written");
  command->callback([options, &context, &exit_code] { exit_code = RunComment(*options, context); });
}

}  // namespace zori::cli
