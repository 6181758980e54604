#include "settings_command.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "addin_session.h"
#include "cli.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/menus.h"
#include "platform/modal_driver.h"
#include "platform/std_controls.h"
#include "platform/strings.h"
#include "platform/value_list_editor.h"
#include "platform/variant.h"
#include "reg/U_zori_about.h"
#include "reg/U_zori_config.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {
namespace {

struct Options {
  std::vector<std::string> sets;
  bool print = false;
};

bool IsSetting(const platform::TComponent& c) {
  for (const char* kind : {"THotKey", "TCheckBox", "TMaskEdit", "TSpinEdit", "TComboBox", "TEdit"})
    if (c.ClassNameIs(kind)) return true;
  return false;
}

// The control's value as the dialog shows it.
std::string Shown(const platform::TComponent& c) {
  if (auto* key = dynamic_cast<const platform::THotKey*>(&c)) {
    const std::string text = platform::ShortCutToText(key->HotKey());
    return std::to_string(key->HotKey() & 0xFFFF) + (text.empty() ? "" : " (" + text + ")");
  }
  if (auto* box = dynamic_cast<const platform::TCheckBox*>(&c))
    return box->Checked() ? "true" : "false";
  if (auto* combo = dynamic_cast<const platform::TComboBox*>(&c)) {
    const int index = combo->ItemIndex();
    return std::to_string(index) +
           (index >= 0 && index < combo->Items().Count() ? " (" + combo->Items()[index] + ")" : "");
  }
  if (auto* edit = dynamic_cast<const platform::TCustomEdit*>(&c)) return edit->Text();
  return {};
}

// Sets one control from the user's text; an error text when the value does not fit.
std::string Set(platform::TComponent& c, const std::string& value) {
  int32_t number = 0;
  if (auto* key = dynamic_cast<platform::THotKey*>(&c)) {
    if (platform::TryStrToInt(value, number)) {
      key->SetHotKey(static_cast<platform::TShortCut>(number));
    } else if (const platform::TShortCut shortcut = platform::TextToShortCut(value);
               shortcut != 0) {
      key->SetHotKey(shortcut);
    } else {
      return "a shortcut (Ctrl+Alt+L) or its code";
    }
  } else if (auto* box = dynamic_cast<platform::TCheckBox*>(&c)) {
    const std::string v = platform::UpperAscii(value);
    if (v != "TRUE" && v != "FALSE") return "true or false";
    box->SetChecked(v == "TRUE");
  } else if (auto* spin = dynamic_cast<platform::TSpinEdit*>(&c)) {
    if (!platform::TryStrToInt(value, number)) return "a whole number";
    spin->SetValue(number);
  } else if (auto* combo = dynamic_cast<platform::TComboBox*>(&c)) {
    int index = combo->Items().IndexOf(value);
    if (index < 0 && platform::TryStrToInt(value, number) && number >= -1 &&
        number < combo->Items().Count())
      index = number;
    if (index < 0 && value != "-1") {
      std::string items;
      for (int i = 0; i < combo->Items().Count(); ++i) items += (i ? ", " : "") + combo->Items()[i];
      return "one of " + items + " (or its index)";
    }
    combo->SetItemIndex(index);
  } else if (auto* edit = dynamic_cast<platform::TCustomEdit*>(&c)) {
    edit->SetText(value);
  }
  return {};
}

// The user of the settings dialog: sets the named controls, prints the values when asked,
// presses OK (or Cancel when only printing); messages are printed.
class SettingsDriver : public platform::ModalDriver {
 public:
  SettingsDriver(Context& context, const Options& o) : context_(context), o_(o) {}

  platform::TModalResult RunModal(platform::TCustomForm& form, int turn) override {
    if (auto* config = dynamic_cast<TF_ZORI_Config*>(&form)) {
      if (turn > 0) return platform::mrCancel;  // OK refused the values: nothing written
      for (const std::string& set : o_.sets) {
        const size_t eq = set.find('=');
        platform::TComponent* c = config->FindComponent(set.substr(0, eq));
        const std::string problem = Set(*c, set.substr(eq + 1));
        if (!problem.empty()) {
          context_.err << "zori settings: " << set << ": the value must be " << problem << "\n";
          failed = true;
          return platform::mrCancel;
        }
      }
      if (o_.print) {
        for (int i = 0; i < config->ComponentCount(); ++i) {
          const platform::TComponent& c = *config->Components(i);
          if (IsSetting(c)) context_.out << c.Name() << " = " << Shown(c) << "\n";
        }
      }
      if (!o_.sets.empty() || !o_.print) {
        config->bbtn_Ok->Click();
        written = config->ModalResult() == platform::mrOk;
      }
      return written ? platform::mrOk : platform::mrNone;
    }
    if (platform::TComponent* label = form.FindComponent("lbl_Mensagem")) {
      context_.err << form.Caption() << ": " << label->GetPropValue("Caption").AsString() << "\n";
      messages = true;
      return platform::mrOk;
    }
    return platform::mrCancel;
  }

  int MessageBox(const platform::MessageRecord& message) override {
    context_.err << message.caption << ": " << message.text << "\n";
    messages = true;
    return platform::IDOK;
  }

  bool failed = false;
  bool written = false;
  bool messages = false;

 private:
  Context& context_;
  const Options& o_;
};

int Settings(const Options& o, Context& context) {
  AddinSession session(context);
  std::string err;
  if (!session.Load(&err)) {
    context.err << "zori settings: " << err << "\n";
    return 2;
  }
  if (const std::string note = session.MissingStoreNote(); !note.empty()) {
    context.err << "zori settings: " << note << "\n";
    return 2;
  }
  // Every name must be a setting of the dialog before the dialog is worked.
  {
    TF_ZORI_Config probe;
    for (const std::string& set : o.sets) {
      const size_t eq = set.find('=');
      platform::TComponent* c =
          eq == std::string::npos ? nullptr : probe.FindComponent(set.substr(0, eq));
      if (c == nullptr || !IsSetting(*c)) {
        context.err << "zori settings: " << set
                    << ": expected KEY=VALUE with KEY a setting (see --print)\n";
        return 2;
      }
    }
  }
  session.LoadCatalogue();
  auto owned = std::make_unique<SettingsDriver>(context, o);
  SettingsDriver& driver = *owned;
  platform::Application().SetModalDriver(std::move(owned));
  try {
    v_Inst_ZORIIDEx->PR_OnClick_Config(nullptr);  // as the menu item's click
  } catch (const std::exception& e) {
    context.err << "zori settings: " << e.what() << "\n";
    return 1;
  }
  if (driver.failed) return 2;
  if (driver.messages) return 1;
  return 0;
}

// The about window as the user sees it: caption, text and the pages with their lists.
class AboutDriver : public platform::ModalDriver {
 public:
  explicit AboutDriver(std::ostream& out) : out_(out) {}
  platform::TModalResult RunModal(platform::TCustomForm& form, int) override {
    auto* about = dynamic_cast<TF_ZORI_About*>(&form);
    if (about == nullptr) return platform::mrCancel;
    out_ << about->Caption() << "\n" << about->lbl_msg->Caption() << "\n";
    const std::pair<platform::TTabSheet*, platform::TValueListEditor*> pages[] = {
        {about->tbsh_Developers, about->vled_developers},
        {about->tbsh_Translat, about->vled_translators},
        {about->tbsh_BetaTeam, about->vled_beta},
        {about->tbsh_information, about->vled_information}};
    for (const auto& [page, list] : pages) {
      out_ << "\n[" << page->GetPropValue("Caption").AsString() << "]\n";
      for (int row = 1; row < list->RowCount(); ++row)
        out_ << list->Keys(row) << "\t" << list->Values(list->Keys(row)) << "\n";
    }
    return platform::mrOk;
  }
  int MessageBox(const platform::MessageRecord&) override { return platform::IDOK; }

 private:
  std::ostream& out_;
};

int About(Context& context) {
  AddinSession session(context);
  std::string err;
  if (!session.Load(&err)) {
    context.err << "zori about: " << err << "\n";
    return 2;
  }
  session.LoadCatalogue();
  platform::Application().SetModalDriver(std::make_unique<AboutDriver>(context.out));
  try {
    v_Inst_ZORIIDEx->PR_OnClick_About(nullptr);
  } catch (const std::exception& e) {
    context.err << "zori about: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

void AddSettingsCommands(CLI::App& app, Context& context, int& exit_code) {
  auto* cmd = app.add_subcommand(
      "settings",
      "The settings dialog: set the named controls (each KEY is a control of the dialog, "
      "named as its configuration key: hot keys take a shortcut such as Ctrl+Alt+L or its "
      "code, check boxes true or false, spin edits a whole number, cb_Modo Hide or Show, "
      "edits any text of at most 255 characters) and press OK, which writes every key of "
      "the dialog with its type, changed or not. --print lists the dialog's values (after "
      "the --set ones); with --print alone nothing is written. Exit 0 when written, 1 when "
      "the dialog refused a value or the store could not be written, 2 on bad input.");
  auto options = std::make_shared<Options>();
  cmd->add_option("--set", options->sets, "a control's value; repeatable")
      ->option_text("KEY=VALUE");
  cmd->add_flag("--print", options->print, "list the dialog's values");
  cmd->callback([options, &context, &exit_code] { exit_code = Settings(*options, context); });

  auto* about = app.add_subcommand("about", "Print the texts of the about window.");
  about->callback([&context, &exit_code] { exit_code = About(context); });
}

}  // namespace zori::cli
