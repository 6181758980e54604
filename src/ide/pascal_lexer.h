// PascalLexer: the tokens of Object Pascal source (project files and units), skipping the
// language's three comment kinds, for the readers that need a unit's structure.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ide {

struct PascalToken {
  enum Kind {
    Eof,
    Ident,         // names and keywords
    Number,        // 12, $FF, 1.5
    String,        // 'it''s'#13#10
    Symbol,        // ; : , = ( ) . and the rest, one character each (":=" is two)
    BraceComment,  // { ... } when brace comments are asked for
  } kind = Eof;
  size_t begin = 0;
  size_t end = 0;
};

class PascalLexer {
 public:
  explicit PascalLexer(std::string_view text, size_t start = 0) : text_(text), pos_(start) {}

  // The next token; false on an unterminated comment or string, with error() set.
  // With keep_braces, { } comments (but not {$ } directives) come out as tokens.
  bool Next(PascalToken* token, bool keep_braces = false);

  std::string_view Text(const PascalToken& token) const {
    return text_.substr(token.begin, token.end - token.begin);
  }
  // Whether token is the given keyword or name, letter case ignored.
  bool Is(const PascalToken& token, std::string_view word) const;

  // Reads names in any script (Añadir: TButton) as later IDE versions write them in
  // units; by default a name is ASCII, as Delphi 6 has it.
  void AllowNamesBeyondAscii() { names_beyond_ascii_ = true; }

  // After a failed Next(): where, and "expected X, found Y".
  size_t error_offset() const { return error_offset_; }
  const std::string& error() const { return error_; }

 private:
  bool Fail(size_t offset, const std::string& message);

  bool IsNameStart(char c) const;
  bool IsNameChar(char c) const;

  std::string_view text_;
  size_t pos_;
  bool names_beyond_ascii_ = false;
  size_t error_offset_ = 0;
  std::string error_;
};

// Case-insensitive equality of ASCII names, as Pascal compares identifiers.
bool SameIdentifier(std::string_view a, std::string_view b);

// Whether text is an identifier as Delphi 6 allows it: an ASCII letter or '_', then ASCII
// letters, digits and '_'.
bool IsIdentifier(std::string_view text);

}  // namespace ide
