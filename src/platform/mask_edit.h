// The masked edit: an edit whose EditMask fixes, per character position, a literal or
// the kind of character the user may type ("!99/99/9999;1;_").
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/std_controls.h"

namespace platform {

// A parsed edit mask: the positions, whether Text keeps the literals, the blank character.
class EditMask {
 public:
  explicit EditMask(std::string_view mask);

  bool Empty() const { return positions_.empty(); }
  bool SaveLiterals() const { return save_literals_; }
  const std::string& BlankChar() const { return blank_; }
  // Text from typed characters: with literals when the mask saves them, a blank input
  // position as a space. Characters that do not fit their position are dropped.
  std::string Format(std::string_view value) const;
  // What the control shows: literals and typed characters, blanks as the blank character.
  std::string EditText(std::string_view text) const;
  // The text of an edit with this mask and nothing typed.
  std::string EmptyText() const { return Format(""); }

 private:
  struct Position {
    bool literal = false;
    std::string literal_text;  // one character (UTF-8)
    char kind = 0;             // L l A a C c 0 9 #
    int case_mode = 0;         // 0 as typed, 1 upper, -1 lower
  };
  bool Fits(const Position& p, const std::string& ch) const;
  std::string Convert(const Position& p, const std::string& ch) const;
  std::vector<std::string> Inputs(std::string_view value) const;

  std::vector<Position> positions_;
  bool save_literals_ = true;
  std::string blank_ = "_";
};

class TCustomMaskEdit : public TCustomEdit {
 public:
  explicit TCustomMaskEdit(const TClassInfo* cls = nullptr);

  std::string EditMaskText() const { return GetPropValue("EditMask").AsString(); }
  void SetEditMask(const std::string& mask) { SetPropValue("EditMask", mask); }
  // Text as the platform returns it: literals included when the mask saves them.
  std::string Text() const override { return GetPropValue("Text").AsString(); }
  // What an empty edit with the same mask shows as its Text (equals Text when nothing
  // has been typed); "" without a mask.
  std::string EmptyText() const;
  // The text the user sees, blanks shown with the mask's blank character.
  std::string EditText() const;

  Variant GetPropValue(std::string_view name) const override;
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;
};

class TMaskEdit : public TCustomMaskEdit {
 public:
  explicit TMaskEdit(const TClassInfo* cls = nullptr);
};

}  // namespace platform
