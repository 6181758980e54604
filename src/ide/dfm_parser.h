// DfmParser: reads the text form format into a DfmDocument tree, and decodes the value
// of a property from its place in the file when the tree is asked for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

#include "ide/dfm_document.h"

namespace ide {

class DfmParser {
 public:
  // The tree of a text form file; nullptr with *err when malformed or binary.
  static std::unique_ptr<DfmDocument> ParseDocument(std::string path, std::string bytes,
                                                    std::string* err);
  // The value that starts at offset begin of a file already parsed successfully.
  static DfmValue DecodeValue(const DfmSource& source, size_t begin);

 private:
  struct Token {
    enum Kind { Eof, Ident, Integer, Float, String, Symbol, Invalid } kind = Eof;
    size_t begin = 0;
    size_t end = 0;
    int64_t integer = 0;
  };

  explicit DfmParser(const DfmSource& source);

  DfmObject* ParseObject(DfmObject* parent, int depth);
  bool ParseProperties(std::vector<DfmProperty>* properties, size_t* last_end, int depth);
  DfmValueKind KindOfToken() const;
  bool ParseValue(int depth, DfmValue* out);
  bool ParseString(DfmValue* out);
  bool ParseSet(DfmValue* out);
  bool ParseList(int depth, DfmValue* out);
  bool ParseCollection(int depth, DfmValue* out);
  bool ParseBinary(DfmValue* out);

  // Lexing: tok_ becomes the next token; false after a lexical error.
  bool Advance();
  void SkipBlanks();
  bool LexNumber();
  bool LexString();
  void DecodeString(size_t begin, size_t end, char32_t* high, std::string* out) const;
  std::string DecodeName(std::string_view raw) const;

  bool IsKeyword(std::string_view word) const;
  bool IsSymbol(char symbol) const {
    return tok_.kind == Token::Symbol && text_[tok_.begin] == symbol;
  }
  bool IsObjectKeyword() const;
  bool IsStructureWord() const;
  std::string_view TokenText() const { return text_.substr(tok_.begin, tok_.end - tok_.begin); }
  std::string Describe() const;
  std::string DescribeAt(size_t pos) const;
  bool Fail(size_t offset, const std::string& expected, const std::string& found);
  bool Expected(const std::string& expected) { return Fail(tok_.begin, expected, Describe()); }

  const DfmSource& source_;
  std::string_view text_;
  size_t pos_ = 0;
  Token tok_;
  size_t last_end_ = 0;  // end of the last token consumed
  std::string error_;
  std::vector<DfmProperty> scratch_;
  std::deque<DfmObject>* objects_ = nullptr;  // where objects are made
};

}  // namespace ide
