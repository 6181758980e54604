#include "platform/answers_file.h"

#include <array>
#include <utility>
#include <vector>

#include "platform/com_controls.h"
#include "platform/exceptions.h"
#include "platform/ext_controls.h"
#include "platform/std_controls.h"
#include "platform/tree_view.h"

namespace platform {

namespace {

struct Word {
  std::string text;
  size_t column = 0;  // 1-based
};

// The words of a line, and the rest of the line after the first `count` words.
std::vector<Word> Words(std::string_view line, size_t count, std::string* rest) {
  std::vector<Word> words;
  size_t i = 0;
  while (words.size() < count) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= line.size()) break;
    const size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    words.push_back({std::string(line.substr(start, i - start)), start + 1});
  }
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  size_t end = line.size();
  while (end > i && (line[end - 1] == ' ' || line[end - 1] == '\t' || line[end - 1] == '\r')) {
    --end;
  }
  *rest = std::string(line.substr(i, end - i));
  return words;
}

constexpr std::array<std::pair<const char*, int>, 11> kModalResults = {{
    {"mrNone", mrNone},
    {"mrOk", mrOk},
    {"mrCancel", mrCancel},
    {"mrAbort", mrAbort},
    {"mrRetry", mrRetry},
    {"mrIgnore", mrIgnore},
    {"mrYes", mrYes},
    {"mrNo", mrNo},
    {"mrAll", mrAll},
    {"mrNoToAll", mrNoToAll},
    {"mrYesToAll", mrYesToAll},
}};

constexpr std::array<std::pair<const char*, int>, 4> kAnswers = {{
    {"IDOK", IDOK},
    {"IDCANCEL", IDCANCEL},
    {"IDYES", IDYES},
    {"IDNO", IDNO},
}};

template <size_t N>
bool Lookup(const std::array<std::pair<const char*, int>, N>& table, const std::string& word,
            int& value) {
  for (const auto& [name, v] : table) {
    if (SameTextAscii(name, word)) {
      value = v;
      return true;
    }
  }
  return TryStrToInt(word, value);
}

TComponent& Find(TCustomForm& form, const std::string& name) {
  TComponent* c = form.FindComponent(name);
  if (c == nullptr) throw EInvalidOperation("Window " + form.Name() + " has no control " + name);
  return *c;
}

// The user picks entry index of a list-like control.
void SelectIn(TCustomForm& form, const std::string& name, int index) {
  TComponent& c = Find(form, name);
  if (auto* combo = dynamic_cast<TCustomComboBox*>(&c)) {
    combo->Select(index);
  } else if (auto* group = dynamic_cast<TCustomRadioGroup*>(&c)) {
    group->SetItemIndex(index);
  } else if (auto* pages = dynamic_cast<TPageControl*>(&c)) {
    pages->SelectPage(index >= 0 && index < pages->PageCount() ? pages->Pages(index) : nullptr);
  } else if (auto* tree = dynamic_cast<TCustomTreeView*>(&c)) {
    tree->SetSelected(index >= 0 && index < tree->Items().Count() ? tree->Items()[index] : nullptr);
  } else if (auto* list = dynamic_cast<TCustomListBox*>(&c)) {
    list->SetItemIndex(index);
  } else {
    throw EInvalidOperation(name + " of window " + form.Name() + " has no entries to select");
  }
}

}  // namespace

bool LoadAnswers(std::string_view text, const std::string& file_name, ScriptedModalDriver& driver,
                 std::string* err) {
  size_t line_no = 0;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++line_no;
    std::string rest;
    std::vector<Word> w = Words(line, 3, &rest);
    if (w.empty() || w[0].text.front() == '#') continue;
    auto fail = [&](size_t column, const std::string& expected, const std::string& found) {
      if (err != nullptr) {
        *err = file_name + ":" + std::to_string(line_no) + ":" + std::to_string(column) +
               ": expected " + expected + ", found " + found;
      }
      return false;
    };
    const size_t line_end = line.size() + 1;
    if (SameTextAscii(w[0].text, "file")) {
      // The file name is the rest of the line, blanks included.
      std::string file = w.size() > 1 ? w[1].text : "";
      if (w.size() > 2) file += " " + w[2].text;
      if (!rest.empty()) file += " " + rest;
      driver.ExpectFile(file.empty() ? std::nullopt : std::optional<std::string>(file));
      continue;
    }
    if (w.size() < 2) return fail(line_end, "an action after '" + w[0].text + "'", "end of line");
    const std::string& window = w[0].text;
    const std::string& action = w[1].text;
    int value = 0;
    if (SameTextAscii(window, "message") || SameTextAscii(window, "default")) {
      const bool message = SameTextAscii(window, "message");
      const std::string answer =
          w[1].text + (w.size() > 2 ? " " + w[2].text : "") + (rest.empty() ? "" : " " + rest);
      if (w.size() > 2) return fail(w[2].column, "end of line", "'" + w[2].text + "'");
      const bool ok =
          message ? Lookup(kAnswers, action, value) : Lookup(kModalResults, action, value);
      if (!ok) {
        return fail(w[1].column,
                    message ? "a message answer (IDOK ...)" : "a modal result (mrOk ...)",
                    "'" + answer + "'");
      }
      if (message) {
        driver.ExpectMessageAnswer(value);
      } else {
        driver.SetDefaultAnswer(value);
      }
      continue;
    }
    if (SameTextAscii(action, "enter") || SameTextAscii(action, "escape")) {
      if (w.size() > 2) return fail(w[2].column, "end of line", "'" + w[2].text + "'");
      const bool enter = SameTextAscii(action, "enter");
      driver.Expect(window, [enter](TCustomForm& form) {
        const bool pressed = enter ? form.PressEnter() : form.PressEscape();
        if (!pressed) {
          throw EInvalidOperation("Window " + form.Name() + " has no " +
                                  (enter ? "default" : "cancel") + " button");
        }
      });
      continue;
    }
    if (SameTextAscii(action, "result")) {
      if (w.size() < 3) return fail(line_end, "a modal result", "end of line");
      if (!Lookup(kModalResults, w[2].text, value)) {
        return fail(w[2].column, "a modal result (mrOk ...)", "'" + w[2].text + "'");
      }
      driver.ExpectResult(window, value);
      continue;
    }
    if (SameTextAscii(action, "click")) {
      if (w.size() < 3) return fail(line_end, "a control name", "end of line");
      driver.ExpectClick(window, w[2].text);
      continue;
    }
    if (SameTextAscii(action, "select")) {
      if (w.size() < 3) return fail(line_end, "a control name", "end of line");
      if (!TryStrToInt(rest, value)) {
        return fail(w[2].column + w[2].text.size() + 1, "an entry number",
                    rest.empty() ? "end of line" : "'" + rest + "'");
      }
      const std::string control = w[2].text;
      driver.Expect(window,
                    [control, value](TCustomForm& form) { SelectIn(form, control, value); });
      continue;
    }
    if (SameTextAscii(action, "set")) {
      if (w.size() < 3) return fail(line_end, "control.Property", "end of line");
      const size_t dot = w[2].text.find('.');
      if (dot == std::string::npos || dot == 0 || dot + 1 == w[2].text.size()) {
        return fail(w[2].column, "control.Property", "'" + w[2].text + "'");
      }
      const std::string control = w[2].text.substr(0, dot);
      const std::string property = w[2].text.substr(dot + 1);
      driver.Expect(window, [control, property, rest](TCustomForm& form) {
        Find(form, control).SetPropValue(property, rest);
      });
      continue;
    }
    return fail(w[1].column, "click, set, select, result, enter or escape", "'" + action + "'");
  }
  return true;
}

}  // namespace platform
