#include "ide/pascal_lexer.h"

namespace ide {

namespace {

bool IsAsciiIdentStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

bool SameIdentifier(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

bool IsIdentifier(std::string_view text) {
  if (text.empty() || !IsAsciiIdentStart(text[0])) return false;
  for (char c : text)
    if (!IsAsciiIdentStart(c) && !IsDigit(c)) return false;
  return true;
}

bool PascalLexer::Is(const PascalToken& token, std::string_view word) const {
  return token.kind == PascalToken::Ident && SameIdentifier(Text(token), word);
}

// Every byte of a non-ASCII character is part of a name when such names are read.
bool PascalLexer::IsNameStart(char c) const {
  return IsAsciiIdentStart(c) || (names_beyond_ascii_ && static_cast<unsigned char>(c) >= 0x80);
}
bool PascalLexer::IsNameChar(char c) const {
  return IsNameStart(c) || IsDigit(c);
}

bool PascalLexer::Fail(size_t offset, const std::string& message) {
  error_offset_ = offset;
  error_ = message;
  return false;
}

bool PascalLexer::Next(PascalToken* token, bool keep_braces) {
  for (;;) {
    while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) <= ' ') ++pos_;
    token->begin = pos_;
    if (pos_ >= text_.size()) {
      token->kind = PascalToken::Eof;
      token->end = pos_;
      return true;
    }
    char c = text_[pos_];
    char next = pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0';
    if (c == '{') {
      size_t close = text_.find('}', pos_ + 1);
      if (close == std::string_view::npos)
        return Fail(text_.size(), "expected '}' closing the comment, found end of file");
      pos_ = close + 1;
      if (keep_braces && next != '$') {
        token->kind = PascalToken::BraceComment;
        token->end = pos_;
        return true;
      }
      continue;
    }
    if (c == '(' && next == '*') {
      size_t close = text_.find("*)", pos_ + 2);
      if (close == std::string_view::npos)
        return Fail(text_.size(), "expected '*)' closing the comment, found end of file");
      pos_ = close + 2;
      continue;
    }
    if (c == '/' && next == '/') {
      while (pos_ < text_.size() && text_[pos_] != '\n' && text_[pos_] != '\r') ++pos_;
      continue;
    }
    if (IsNameStart(c)) {
      while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
      token->kind = PascalToken::Ident;
    } else if (IsDigit(c) || (c == '$' && IsHexDigit(next))) {
      ++pos_;
      while (pos_ < text_.size() && (IsHexDigit(text_[pos_]) || text_[pos_] == '.')) ++pos_;
      token->kind = PascalToken::Number;
    } else if (c == '\'' || c == '#') {
      while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
        if (text_[pos_] == '#') {
          ++pos_;
          bool hex = pos_ < text_.size() && text_[pos_] == '$';
          if (hex) ++pos_;
          size_t digits = pos_;
          while (pos_ < text_.size() && (hex ? IsHexDigit(text_[pos_]) : IsDigit(text_[pos_])))
            ++pos_;
          if (pos_ == digits) {
            std::string found = pos_ >= text_.size() ? "end of file"
                                : text_[pos_] == '\n' || text_[pos_] == '\r'
                                    ? "end of line"
                                    : "'" + std::string(1, text_[pos_]) + "'";
            return Fail(pos_, "expected character code after '#', found " + found);
          }
          continue;
        }
        ++pos_;
        for (;;) {
          if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r')
            return Fail(pos_, std::string("expected closing quote, found ") +
                                  (pos_ >= text_.size() ? "end of file" : "end of line"));
          if (text_[pos_] == '\'') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          ++pos_;
        }
      }
      token->kind = PascalToken::String;
    } else {
      pos_ += (c == ':' && next == '=') ? 2 : 1;
      token->kind = PascalToken::Symbol;
    }
    token->end = pos_;
    return true;
  }
}

}  // namespace ide
