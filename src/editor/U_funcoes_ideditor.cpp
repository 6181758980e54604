#include "editor/U_funcoes_ideditor.h"

#include <unicode/unistr.h>

#include <array>
#include <cstring>

#include "platform/exceptions.h"

namespace {

constexpr std::array<std::string_view, 6> kKeywords = {"function",   "procedure", "constructor",
                                                       "destructor", "unit",      "class"};

constexpr const char* kResultEntry = "function result";

char FoldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

bool IsBlank(unsigned char c) {
  return c <= 32;
}

// Leading and trailing characters of code 32 or less removed.
std::string TrimBlanks(const std::string& s) {
  size_t first = 0;
  size_t last = s.size();
  while (first < last && IsBlank(static_cast<unsigned char>(s[first]))) ++first;
  while (last > first && IsBlank(static_cast<unsigned char>(s[last - 1]))) --last;
  return s.substr(first, last - first);
}

bool IsLineOrSpace(char c) {
  return c == '\n' || c == '\r' || c == ' ';
}

// A byte that starts a character (anything but a UTF-8 continuation byte).
bool StartsCharacter(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

std::string FoldCase(const std::string& s) {
  std::string folded;
  icu::UnicodeString::fromUTF8(s).foldCase().toUTF8String(folded);
  return folded;
}

}  // namespace

std::string_view FuncKindName(TFuncKind kind) {
  static constexpr std::array<std::string_view, 7> kNames = {
      "fncNone",       "fncFunction", "fncProcedure", "fncConstructor",
      "fncDestructor", "fncUnit",     "fncClass"};
  return kNames.at(static_cast<size_t>(kind));
}

// ---- string lists ----

int TStringSlotList::Add(const std::string& s) {
  Append(s);
  return Count() - 1;
}

int TStringSlotList::AddObject(const std::string& s, int object) {
  const int index = Add(s);
  SetObjects(index, object);
  return index;
}

void TStringSlotList::Clear() {
  strings_.clear();
  objects_.clear();
}

void TStringSlotList::Append(const std::string& s) {
  strings_.push_back(s);
  objects_.push_back(0);
}

int TUniqueStringList::Add(const std::string& s) {
  // A map from the folded text keeps Add constant-time, so a long parameter list with many
  // distinct types stays linear.
  auto [it, inserted] = index_of_folded_.try_emplace(FoldCase(s), Count());
  if (inserted) Append(s);
  return it->second;
}

void TUniqueStringList::Clear() {
  TStringSlotList::Clear();
  index_of_folded_.clear();
}

int IndexOfKeyword(std::string_view token, std::span<const std::string_view> keywords) {
  for (size_t i = 0; i < keywords.size(); ++i) {
    if (SameTextAscii(token, keywords[i])) return static_cast<int>(i);
  }
  return static_cast<int>(keywords.size());
}

// ---- parser ----

TZORIEditorParser::TZORIEditorParser() = default;

bool TZORIEditorParser::checkALL() const {
  switch (Current()) {
    case '\n':
    case '\r':
    case ' ':
      return true;
    default:
      return checkDelOnly();
  }
}

bool TZORIEditorParser::checkDelOnly() const {
  switch (Current()) {
    case '(':
    case ')':
    case ',':
    case ':':
    case ';':
      return true;
    default:
      return false;
  }
}

void TZORIEditorParser::Sync() {
  if (Source == nullptr) Source = "";
  if (Pos == synced_pos_) return;
  // The caller placed Pos: walk to that character, never past the terminating zero.
  byte_ = 0;
  synced_pos_ = 0;
  while (synced_pos_ < Pos && Source[byte_] != '\0') {
    ++byte_;
    while (!StartsCharacter(Source[byte_])) ++byte_;
    ++synced_pos_;
  }
  Pos = synced_pos_;
}

void TZORIEditorParser::MoveTo(size_t target) {
  for (size_t i = byte_; i < target; ++i) {
    if (StartsCharacter(Source[i])) ++Pos;
  }
  byte_ = target;
  synced_pos_ = Pos;
}

void TZORIEditorParser::EndOfText() {
  throw platform::Exception("unexpected end of text");
}

std::string TZORIEditorParser::GetNextToken(CompareFunc P) {
  Sync();
  std::string token;
  for (;;) {
    const char c = Current();
    if (c == '\0') EndOfText();
    // "(" followed by "*" opens a comment, so no delimiter counts when a "*" follows it.
    if ((this->*P)() && Source[byte_ + 1] != '*') break;
    if (c == '{') {
      const char* close = std::strchr(Source + byte_, '}');
      if (close == nullptr) throw platform::Exception("no closing comment");
      MoveTo(static_cast<size_t>(close - Source) + 1);
    } else if (c == '(' && Source[byte_ + 1] == '*') {
      // The search starts at the "(", so "(*)" is a whole comment.
      const char* close = std::strstr(Source + byte_, "*)");
      if (close == nullptr) throw platform::Exception("no closing comment");
      MoveTo(static_cast<size_t>(close - Source) + 2);
    } else {
      token.push_back(c);
      Advance();
    }
  }
  LastChar = Current();
  Advance();
  return TrimBlanks(token);
}

void TZORIEditorParser::SkipWS() {
  Sync();
  while (IsLineOrSpace(Current())) Advance();
}

bool TZORIEditorParser::FetchFunctionKind() {
  Kind = fncNone;
  int index;
  do {
    index = IndexOfKeyword(GetNextToken(&TZORIEditorParser::checkALL), kKeywords);
  } while (index == static_cast<int>(kKeywords.size()));
  Kind = static_cast<TFuncKind>(index + 1);
  return true;
}

void TZORIEditorParser::Parse() {
  FetchFunctionKind();
  switch (Kind) {
    case fncFunction:
    case fncProcedure:
    case fncConstructor:
    case fncDestructor:
      Name = GetNextToken(&TZORIEditorParser::checkDelOnly);
      for (;;) {
        if (LastChar == '(') {
          ParseParams();
        } else if (LastChar == ':') {
          const int type = Types.Add(GetNextToken(&TZORIEditorParser::checkDelOnly));
          FuncResult.AddObject(kResultEntry, type);
          return;
        } else if (LastChar == ';') {
          return;
        } else {
          throw platform::Exception("unanticipated data encountered");
        }
      }
    case fncUnit:
      Name = GetNextToken(&TZORIEditorParser::checkDelOnly);
      return;
    case fncClass:
    case fncNone:
      return;
  }
}

void TZORIEditorParser::ParseParams() {
  std::vector<std::string> names;
  for (;;) {
    SkipWS();
    std::string word = GetNextToken(&TZORIEditorParser::checkALL);
    names.clear();
    const bool is_var = SameTextAscii(word, "var");
    const bool has_modifier = is_var || SameTextAscii(word, "const");
    if (has_modifier) {
      word = GetNextToken(&TZORIEditorParser::checkDelOnly);
    } else {
      // An empty list ("()" or a list closed right after ";") declares no parameter;
      // without this check it would yield one parameter with an empty name.
      if (word.empty() && LastChar == ')') break;
      if (IsLineOrSpace(LastChar)) {
        // "A , B" and "A : Integer" read like "A, B" and "A: Integer".
        SkipWS();
        if (Current() == '\0') EndOfText();
        LastChar = Current();
        Advance();
      }
    }
    names.push_back(word);
    while (LastChar == ',') names.push_back(GetNextToken(&TZORIEditorParser::checkDelOnly));

    int type = -1;
    if (LastChar == ':') type = Types.Add(GetNextToken(&TZORIEditorParser::checkDelOnly));

    TStringSlotList& target = is_var ? VarParams : Params;
    for (const std::string& name : names) target.AddObject(name, type);
    if (LastChar == ')') break;
  }
  // Consumes the text after ")" up to the next delimiter: ":" (a result type follows) or ";".
  GetNextToken(&TZORIEditorParser::checkDelOnly);
}
