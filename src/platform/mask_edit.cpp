#include "platform/mask_edit.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace platform {

namespace {

// The text split into characters (code points), each as its UTF-8 bytes.
std::vector<std::string> Characters(std::string_view text) {
  std::vector<std::string> chars;
  int32_t i = 0;
  const auto length = static_cast<int32_t>(text.size());
  while (i < length) {
    const int32_t start = i;
    UChar32 c = 0;
    U8_NEXT(reinterpret_cast<const uint8_t*>(text.data()), i, length, c);
    chars.emplace_back(text.substr(start, i - start));
  }
  return chars;
}

UChar32 CodePoint(const std::string& ch) {
  int32_t i = 0;
  UChar32 c = 0;
  U8_NEXT(reinterpret_cast<const uint8_t*>(ch.data()), i, static_cast<int32_t>(ch.size()), c);
  return c;
}

std::string FromCodePoint(UChar32 c) {
  char buffer[4];
  int32_t length = 0;
  UBool error = false;
  U8_APPEND(reinterpret_cast<uint8_t*>(buffer), length, 4, c, error);
  return error ? std::string() : std::string(buffer, length);
}

}  // namespace

EditMask::EditMask(std::string_view mask) {
  // "mask;save;blank": the last two fields are optional.
  std::vector<std::string> fields(1);
  for (size_t i = 0; i < mask.size(); ++i) {
    if (mask[i] == '\\' && i + 1 < mask.size()) {
      fields.back() += mask.substr(i, 2);
      ++i;
    } else if (mask[i] == ';') {
      fields.emplace_back();
    } else {
      fields.back() += mask[i];
    }
  }
  if (fields.size() > 1) save_literals_ = fields[1] != "0";
  if (fields.size() > 2 && !fields[2].empty()) blank_ = Characters(fields[2]).front();

  int case_mode = 0;
  const std::vector<std::string> chars = Characters(fields[0]);
  for (size_t i = 0; i < chars.size(); ++i) {
    const std::string& ch = chars[i];
    if (ch == "!") continue;  // leading-blanks flag; no position
    if (ch == ">") {
      case_mode = 1;
      continue;
    }
    if (ch == "<") {
      if (i + 1 < chars.size() && chars[i + 1] == ">") {
        ++i;
        case_mode = 0;
      } else {
        case_mode = -1;
      }
      continue;
    }
    Position p;
    p.case_mode = case_mode;
    if (ch == "\\" && i + 1 < chars.size()) {
      p.literal = true;
      p.literal_text = chars[++i];
    } else if (ch.size() == 1 && std::string_view("LlAaCc09#").find(ch[0]) != std::string::npos) {
      p.kind = ch[0];
    } else {
      p.literal = true;
      p.literal_text = ch == "_" ? " " : ch;
    }
    positions_.push_back(p);
  }
}

bool EditMask::Fits(const Position& p, const std::string& ch) const {
  const UChar32 c = CodePoint(ch);
  switch (p.kind) {
    case 'L':
    case 'l':
      return u_isalpha(c) != 0;
    case 'A':
    case 'a':
      return u_isalnum(c) != 0;
    case '0':
    case '9':
      return c >= '0' && c <= '9';
    case '#':
      return (c >= '0' && c <= '9') || c == '+' || c == '-';
    default:
      return c >= ' ';
  }
}

std::string EditMask::Convert(const Position& p, const std::string& ch) const {
  if (p.case_mode == 0) return ch;
  const UChar32 c = CodePoint(ch);
  return FromCodePoint(p.case_mode > 0 ? u_toupper(c) : u_tolower(c));
}

std::vector<std::string> EditMask::Inputs(std::string_view value) const {
  // One entry per input position; "" is blank.
  std::vector<std::string> inputs;
  const std::vector<std::string> chars = Characters(value);
  if (save_literals_) {
    // The value lines up with the positions, literals included.
    for (size_t i = 0; i < positions_.size(); ++i) {
      if (positions_[i].literal) continue;
      std::string ch = i < chars.size() ? chars[i] : std::string();
      if (ch == " " || ch == blank_ || !Fits(positions_[i], ch)) ch.clear();
      inputs.push_back(ch.empty() ? ch : Convert(positions_[i], ch));
    }
    return inputs;
  }
  size_t next = 0;
  for (const Position& p : positions_) {
    if (p.literal) continue;
    std::string ch;
    while (next < chars.size()) {
      const std::string& candidate = chars[next++];
      if (candidate == " " || candidate == blank_) break;  // a blank keeps its place
      if (Fits(p, candidate)) {
        ch = Convert(p, candidate);
        break;
      }
    }
    inputs.push_back(ch);
  }
  return inputs;
}

std::string EditMask::Format(std::string_view value) const {
  const std::vector<std::string> inputs = Inputs(value);
  std::string text;
  size_t input = 0;
  for (const Position& p : positions_) {
    if (p.literal) {
      if (save_literals_) text += p.literal_text;
      continue;
    }
    const std::string& ch = inputs[input++];
    text += ch.empty() ? std::string(" ") : ch;
  }
  return text;
}

std::string EditMask::EditText(std::string_view text) const {
  const std::vector<std::string> inputs = Inputs(text);
  std::string shown;
  size_t input = 0;
  for (const Position& p : positions_) {
    if (p.literal) {
      shown += p.literal_text;
      continue;
    }
    const std::string& ch = inputs[input++];
    shown += ch.empty() ? blank_ : ch;
  }
  return shown;
}

TCustomMaskEdit::TCustomMaskEdit(const TClassInfo* cls)
    : TCustomEdit(ClassOr(cls, "TCustomMaskEdit")) {}

std::string TCustomMaskEdit::EmptyText() const {
  const EditMask mask(EditMaskText());
  return mask.Empty() ? std::string() : mask.EmptyText();
}

std::string TCustomMaskEdit::EditText() const {
  const EditMask mask(EditMaskText());
  return mask.Empty() ? Text() : mask.EditText(Text());
}

Variant TCustomMaskEdit::GetPropValue(std::string_view name) const {
  if (SameTextAscii(name, "Text") && FindStored("Text") == nullptr) return EmptyText();
  return TCustomEdit::GetPropValue(name);
}

void TCustomMaskEdit::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Text")) {
    const EditMask mask(EditMaskText());
    const std::string text = value.AsString();
    TCustomEdit::SetPropValue(name, mask.Empty() ? text : mask.Format(text), strict);
    return;
  }
  if (SameTextAscii(name, "EditMask")) {
    TCustomEdit::SetPropValue(name, value, strict);
    // A typed text is laid into the new mask; an untyped one follows the mask by itself.
    if (const Variant* stored = FindStored("Text")) {
      const EditMask mask(value.AsString());
      if (!mask.Empty()) TCustomEdit::SetPropValue("Text", mask.Format(stored->AsString()));
    }
    return;
  }
  TCustomEdit::SetPropValue(name, value, strict);
}

TMaskEdit::TMaskEdit(const TClassInfo* cls) : TCustomMaskEdit(ClassOr(cls, "TMaskEdit")) {}

}  // namespace platform
