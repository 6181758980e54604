// The text catalogue in memory, its lookup and the localisation pass over a window.
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <unordered_map>

#include "core/U_zori_func.h"
#include "platform/classes.h"
#include "platform/client_dataset.h"
#include "platform/db_controls.h"
#include "platform/exceptions.h"
#include "platform/ext_controls.h"
#include "platform/forms.h"
#include "platform/strings.h"

TResource_Strings v_Resource_Strings;

namespace {

// Upper case in the user's locale, as the platform's AnsiUpperCase does.
std::string UpperLocale(const std::string& text) {
  std::string out;
  icu::UnicodeString::fromUTF8(text).toUpper(icu::Locale::getDefault()).toUTF8String(out);
  return out;
}

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// Letter case compared as UpperLocale would, without ICU when plain ASCII letters case the
// same in the user's language (all but Turkish and Azeri, where i upper-cases to a dotted
// capital): a window's lookups then cost a string compare each.
class SameUpper {
 public:
  explicit SameUpper(const std::string& text)
      : text_(text), ascii_(IsAscii(text) && AsciiLettersCaseAlike()) {}
  bool operator()(const std::string& other) const {
    if (ascii_ && IsAscii(other)) {
      if (other.size() != text_.size()) return false;
      for (size_t i = 0; i < other.size(); ++i) {
        const char a = text_[i];
        const char b = other[i];
        if (a != b && !(((a | 0x20) == (b | 0x20)) && (a | 0x20) >= 'a' && (a | 0x20) <= 'z'))
          return false;
      }
      return true;
    }
    if (upper_.empty() && !text_.empty()) upper_ = UpperLocale(text_);
    return UpperLocale(other) == upper_;
  }

  static bool AsciiLettersCaseAlike() {
    const std::string_view language = icu::Locale::getDefault().getLanguage();
    return language != "tr" && language != "az";
  }

 private:
  const std::string& text_;
  const bool ascii_;
  mutable std::string upper_;
};

}  // namespace

std::string FN_Arquivo_Resources() {
  std::string name = FN_Valor_Config("edt_Resources").AsString();
  if (name.empty()) return "ZORIIDEx_msg.xml";
  std::string why;
  // The name comes from the configuration store: it must not reach outside the package
  // directory.
  if (!FN_Nome_Arquivo_Valido(name, &why))
    throw platform::EFileError("The catalogue file \"" + name +
                               "\" set in edt_Resources is refused: " + why);
  return name;
}

bool FN_Nome_Arquivo_Valido(const std::string& Nome, std::string* Motivo) {
  const char* why = nullptr;
  if (Nome.empty())
    why = "the name is empty";
  else if (Nome.find_first_of("/\\") != std::string::npos)
    why = "it holds a folder separator";
  else if (Nome.find(':') != std::string::npos)
    why = "it names a drive";
  else if (Nome.find("..") != std::string::npos)
    why = "it holds \"..\"";
  if (why != nullptr && Motivo != nullptr) *Motivo = why;
  return why == nullptr;
}

std::string FN_Arquivo_Marcador() {
  namespace fs = std::filesystem;
  const char* config = std::getenv("XDG_CONFIG_HOME");
  fs::path base;
  if (config != nullptr && *config != '\0') {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    base = fs::path(home != nullptr ? home : "") / ".config";
  }
  return (base / "zori" / "zori.txt").string();
}

// The rows by their upper-cased ASCII component path; rows whose path is not plain ASCII
// are kept apart, since the locale may upper-case them to anything.
struct TResource_Strings::Index {
  uint64_t revision = 0;
  std::unordered_map<std::string, std::vector<size_t>> by_path;
  std::vector<size_t> other;
};

std::string TResource_Strings::Find(const std::string& Form, const std::string& Path) const {
  if (rows_.empty()) return {};
  const SameUpper form(Form);
  const SameUpper path(Path);
  const auto matches = [&](size_t row) {
    return path(rows_[row].NM_COMPONENTE) && form(rows_[row].NM_FORM);
  };
  if (!IsAscii(Path) || !SameUpper::AsciiLettersCaseAlike()) {
    for (size_t row = 0; row < rows_.size(); ++row)
      if (matches(row)) return rows_[row].TX_REFERENTE;
    return {};
  }
  if (index_ == nullptr || index_->revision != revision_) {
    auto index = std::make_shared<Index>();
    index->revision = revision_;
    for (size_t row = 0; row < rows_.size(); ++row) {
      const std::string& name = rows_[row].NM_COMPONENTE;
      if (IsAscii(name)) {
        index->by_path[platform::UpperAscii(name)].push_back(row);
      } else {
        index->other.push_back(row);
      }
    }
    index_ = std::move(index);
  }
  // The first row in file order among those whose path can match.
  size_t first = rows_.size();
  if (auto it = index_->by_path.find(platform::UpperAscii(Path)); it != index_->by_path.end()) {
    for (size_t row : it->second) {
      if (matches(row)) {
        first = row;
        break;
      }
    }
  }
  for (size_t row : index_->other) {
    if (row >= first) break;
    if (matches(row)) {
      first = row;
      break;
    }
  }
  return first < rows_.size() ? rows_[first].TX_REFERENTE : std::string();
}

std::string FN_Get_Component_StringResource(const std::string& Form, const std::string& Path) {
  return v_Resource_Strings.Find(Form, Path);
}

namespace {

// The classes whose controls show a configuration value stored under their own name.
const char* const kConfigClasses = "THotKey;TCheckBox;TMaskEdit;TSpinEdit;TComboBox;TEdit";

// Loads the stored configuration value into a control named like its key. A value that
// does not convert to the control's kind raises the platform's conversion error.
void ApplyConfigValue(platform::TComponent& component) {
  static const std::string config_classes = platform::UpperAscii(kConfigClasses);
  if (config_classes.find(platform::UpperAscii(component.ClassName())) == std::string::npos) return;
  if (!FN_Existe_Valor_Config(component.Name())) {
    vg_cds_config->Close();  // nothing to read; the table's lock goes with it
    return;
  }
  const platform::Variant value = FN_Valor_Config(component.Name());
  if (component.InheritsFrom("THotKey"))
    component.SetPropValue("HotKey", value.AsInteger());
  else if (component.InheritsFrom("TCheckBox"))
    component.SetPropValue("Checked", value.AsBoolean());
  else if (component.InheritsFrom("TMaskEdit") || component.InheritsFrom("TEdit"))
    component.SetPropValue("Text", value.AsString());
  else if (component.InheritsFrom("TSpinEdit"))
    component.SetPropValue("Value", value.AsInteger());
  else if (component.InheritsFrom("TComboBox"))
    component.SetPropValue("ItemIndex", value.AsInteger());
}

void TranslateRadioGroup(const std::string& form, platform::TRadioGroup& group) {
  platform::TStrings& items = group.Items();
  items.Clear();
  // Items stop at the first number without a text.
  for (int n = 0;; ++n) {
    const std::string text =
        FN_Get_Component_StringResource(form, group.Name() + ".Items." + std::to_string(n));
    if (text.empty()) break;
    items.Add(text);
  }
}

void TranslateGrid(const std::string& form, platform::TDBGrid& grid) {
  for (int n = 0; n < grid.Columns().Count(); ++n) {
    const std::string text =
        FN_Get_Component_StringResource(form, grid.Name() + ".Columns." + std::to_string(n));
    if (text.empty()) break;
    grid.Columns().Items(n).Title.Caption = text;
  }
}

}  // namespace

void PR_International(platform::TForm& Form) {
  const std::string form = Form.Name();
  for (int index = 0; index < Form.ComponentCount(); ++index) {
    platform::TComponent& component = *Form.Components(index);
    const std::string name = component.Name();

    const std::string hint = FN_Get_Component_StringResource(form, name + ".Hint");
    if (component.HasProperty("Hint")) component.SetPropValue("Hint", hint);

    const std::string caption = FN_Get_Component_StringResource(form, name + ".Caption");
    if (!caption.empty()) {
      if (component.HasProperty("Caption")) component.SetPropValue("Caption", caption);
      // Only the radio group class itself; a descendant keeps its items.
      auto* group = dynamic_cast<platform::TRadioGroup*>(&component);
      if (group != nullptr && component.ClassNameIs("TRadioGroup"))
        TranslateRadioGroup(form, *group);
    } else if (auto* grid = dynamic_cast<platform::TDBGrid*>(&component);
               grid != nullptr && component.ClassNameIs("TDBGrid")) {
      TranslateGrid(form, *grid);
    }

    // One stored value that does not convert leaves that control on its default; the
    // others still load, so OK does not overwrite good values with defaults.
    try {
      ApplyConfigValue(component);
    } catch (const std::exception&) {
    }
  }
  Form.SetCaption(FN_Get_Component_StringResource(form, "Caption"));
}
