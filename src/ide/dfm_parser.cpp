#include "ide/dfm_parser.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>

#include "ide/file_system.h"

namespace ide {

namespace {

// Deeper nesting than any real form has; it keeps hostile input from exhausting the stack.
constexpr int kMaxDepth = 200;

// Character classes by table: the lexer asks for every byte of the file.
constexpr unsigned char kStart = 1, kDigit = 2;
constexpr auto kClasses = [] {
  std::array<unsigned char, 256> table{};
  for (int c = 'a'; c <= 'z'; ++c) table[c] = kStart;
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = kStart;
  table['_'] = kStart;
  // Later IDE versions write names in any script (object Añadir: TButton): every byte of
  // a non-ASCII character, in UTF-8 or Windows-1252, is part of a name.
  for (int c = 0x80; c <= 0xFF; ++c) table[c] = kStart;
  for (int c = '0'; c <= '9'; ++c) table[c] = kDigit;
  return table;
}();

inline bool IsIdentStart(char c) {
  return kClasses[static_cast<unsigned char>(c)] == kStart;
}
inline bool IsDigit(char c) {
  return kClasses[static_cast<unsigned char>(c)] == kDigit;
}
inline bool IsIdentChar(char c) {
  return kClasses[static_cast<unsigned char>(c)] != 0;
}
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Compares text with a keyword written in lower-case letters only, letter case ignored;
// setting bit 5 lower-cases a letter and turns no other character into one.
inline bool EqualsIgnoreCase(std::string_view text, std::string_view keyword) {
  if (text.size() != keyword.size()) return false;
  for (size_t i = 0; i < text.size(); ++i)
    if ((text[i] | 0x20) != keyword[i]) return false;
  return true;
}

// The platform's binary stream starts with TPF0; a form kept as a compiled resource, as
// older tools wrote .dfm files, starts with the resource header's 0xFF.
bool IsBinaryForm(std::string_view bytes) {
  return bytes.substr(0, 4) == "TPF0" || (!bytes.empty() && bytes[0] == '\xFF');
}

}  // namespace

// Blanks are every control character and the space; NUL is not, it is reported.
inline void DfmParser::SkipBlanks() {
  const size_t size = text_.size();
  while (pos_ < size) {
    unsigned char c = static_cast<unsigned char>(text_[pos_]);
    if (c > ' ' || c == 0) return;
    ++pos_;
  }
}

inline bool DfmParser::IsKeyword(std::string_view word) const {
  return tok_.kind == Token::Ident && EqualsIgnoreCase(TokenText(), word);
}

DfmParser::DfmParser(const DfmSource& source) : source_(source), text_(source.text) {}

std::unique_ptr<DfmDocument> DfmParser::ParseDocument(std::string path, std::string bytes,
                                                      std::string* err) {
  auto source = std::make_unique<DfmSource>();
  source->path = std::move(path);
  source->text = std::move(bytes);
  if (IsBinaryForm(source->text)) {
    *err = source->path +
           ":1:1: expected a text form file, found a binary form file (convert it to text "
           "first)";
    return nullptr;
  }
  source->encoding = DetectEncoding(source->text);
  source->dialect = DialectOfFormFile(source->path);
  if (QuotedTextIsAlwaysUtf8(source->dialect) && source->encoding != TextEncoding::Utf8Bom) {
    source->encoding = TextEncoding::Utf8;
  }
  source->line_break = std::string(LineBreakOf(source->text));

  std::unique_ptr<DfmDocument> document(new DfmDocument());
  DfmParser parser(*source);
  parser.objects_ = &document->objects_;
  if (source->encoding == TextEncoding::Utf8Bom) parser.pos_ = 3;
  DfmObject* root = nullptr;
  if (parser.Advance()) {
    if (parser.IsObjectKeyword()) {
      root = parser.ParseObject(nullptr, 0);
      if (root && parser.tok_.kind != Token::Eof) {
        parser.Expected("end of file");
        root = nullptr;
      }
    } else {
      parser.Expected("'object', 'inherited' or 'inline'");
    }
  }
  if (!root) {
    *err = parser.error_;
    return nullptr;
  }
  document->source_ = std::move(source);
  return document;
}

DfmValue DfmParser::DecodeValue(const DfmSource& source, size_t begin) {
  DfmParser parser(source);
  parser.pos_ = begin;
  DfmValue value;
  if (parser.Advance()) parser.ParseValue(0, &value);
  return value;
}

DfmObject* DfmParser::ParseObject(DfmObject* parent, int depth) {
  if (depth > kMaxDepth) {
    Fail(tok_.begin, "at most " + std::to_string(kMaxDepth) + " nested objects", "deeper nesting");
    return nullptr;
  }
  DfmObject* object = &objects_->emplace_back();
  object->source_ = &source_;
  object->document_objects_ = objects_;
  object->parent_ = parent;
  object->keyword_begin_ = tok_.begin;
  std::string_view keyword = TokenText();
  object->kind_ = EqualsIgnoreCase(keyword, "object")      ? DfmObjectKind::Object
                  : EqualsIgnoreCase(keyword, "inherited") ? DfmObjectKind::Inherited
                                                           : DfmObjectKind::Inline;
  if (!Advance()) return nullptr;
  if (tok_.kind != Token::Ident) {
    Expected("object name or class name");
    return nullptr;
  }
  Token first = tok_;
  if (!Advance()) return nullptr;
  object->name_begin_ = first.begin;
  object->name_end_ = first.begin;
  if (IsSymbol(':')) {
    object->name_ = DecodeName(text_.substr(first.begin, first.end - first.begin));
    if (!Advance()) return nullptr;
    if (tok_.kind != Token::Ident) {
      Expected("class name");
      return nullptr;
    }
    object->name_end_ = tok_.begin;
    object->class_name_ = DecodeName(TokenText());
    if (!Advance()) return nullptr;
  } else {
    object->class_name_ = DecodeName(text_.substr(first.begin, first.end - first.begin));
  }
  object->source_name_ = object->name_;
  if (IsSymbol('[')) {
    if (!Advance()) return nullptr;
    if (tok_.kind != Token::Integer) {
      Expected("child position");
      return nullptr;
    }
    object->child_index_ = tok_.integer;
    if (!Advance()) return nullptr;
    if (!IsSymbol(']')) {
      Expected("']'");
      return nullptr;
    }
    if (!Advance()) return nullptr;
  }
  size_t end = last_end_;
  // Gathered in a reused buffer so each object allocates its list once, at its size.
  scratch_.clear();
  if (!ParseProperties(&scratch_, &end, depth)) return nullptr;
  object->properties_.reserve(scratch_.size());
  std::move(scratch_.begin(), scratch_.end(), std::back_inserter(object->properties_));
  object->properties_end_ = end;
  while (tok_.kind == Token::Ident && IsObjectKeyword()) {
    DfmObject* child = ParseObject(object, depth + 1);
    if (!child) return nullptr;
    object->children_.push_back(child);
  }
  if (!IsKeyword("end")) {
    Expected(object->children_.empty() ? "property name, child object or 'end'"
                                       : "child object or 'end'");
    return nullptr;
  }
  object->end_begin_ = tok_.begin;
  if (!Advance()) return nullptr;
  return object;
}

// Properties up to the first token that is not a property name ('end', a child object,
// or anything else, which the caller reports).
bool DfmParser::ParseProperties(std::vector<DfmProperty>* properties, size_t* last_end, int depth) {
  while (tok_.kind == Token::Ident && !IsStructureWord()) {
    DfmProperty& property = properties->emplace_back();
    property.source_ = &source_;
    property.lead_begin_ = *last_end;
    property.name_begin_ = tok_.begin;
    property.name_ = DecodeName(TokenText());
    if (pos_ + 1 < text_.size() && text_[pos_] == ' ' && text_[pos_ + 1] == '=') {
      // " = " as the platform writes it, without lexing the sign as a token.
      pos_ += 2;
      tok_.end = pos_;
    } else {
      if (!Advance()) return false;
      if (!IsSymbol('=')) return Expected("'='");
    }
    property.equals_end_ = tok_.end;
    if (!Advance()) return false;
    property.value_begin_ = tok_.begin;
    property.kind_ = KindOfToken();
    if (!ParseValue(depth + 1, nullptr)) return false;
    property.value_end_ = last_end_;
    *last_end = last_end_;
  }
  return true;
}

DfmValueKind DfmParser::KindOfToken() const {
  switch (tok_.kind) {
    case Token::Integer:
      return DfmValueKind::Integer;
    case Token::Float:
      return DfmValueKind::Float;
    case Token::String:
      return DfmValueKind::String;
    case Token::Ident:
      return IsKeyword("true") || IsKeyword("false") ? DfmValueKind::Boolean
                                                     : DfmValueKind::Identifier;
    default:
      break;
  }
  switch (text_[tok_.begin]) {
    case '[':
      return DfmValueKind::Set;
    case '(':
      return DfmValueKind::List;
    case '<':
      return DfmValueKind::Collection;
    default:
      return DfmValueKind::Binary;
  }
}

// Reads one value starting at tok_; fills *out when it is given, otherwise only checks
// it and records its kind in the property being built.
bool DfmParser::ParseValue(int depth, DfmValue* out) {
  if (depth > kMaxDepth)
    return Fail(tok_.begin, "at most " + std::to_string(kMaxDepth) + " nested values",
                "deeper nesting");
  switch (tok_.kind) {
    case Token::Integer:
      if (out) *out = DfmValue::Integer(tok_.integer);
      return Advance();
    case Token::Float:
      if (out) {
        *out = DfmValue::ParseFloat(TokenText()).value_or(DfmValue::Float(0));
        out->text = std::string(TokenText());
      }
      return Advance();
    case Token::String:
      return ParseString(out);
    case Token::Ident:
      if (out) {
        std::string_view text = TokenText();
        if (EqualsIgnoreCase(text, "true") || EqualsIgnoreCase(text, "false"))
          *out = DfmValue::Boolean(EqualsIgnoreCase(text, "true"));
        else
          *out = DfmValue::Identifier(DecodeName(text));
      }
      return Advance();
    case Token::Symbol:
      switch (text_[tok_.begin]) {
        case '[':
          return ParseSet(out);
        case '(':
          return ParseList(depth, out);
        case '<':
          return ParseCollection(depth, out);
        case '{':
          return ParseBinary(out);
      }
      break;
    default:
      break;
  }
  return Expected("property value");
}

bool DfmParser::ParseString(DfmValue* out) {
  if (out) *out = DfmValue::String("");
  // A surrogate pair may be split over two pieces joined by '+'.
  char32_t high = 0;
  for (;;) {
    if (out) DecodeString(tok_.begin, tok_.end, &high, &out->text);
    if (!Advance()) return false;
    if (!IsSymbol('+')) {
      if (out && high) AppendUtf8(0xFFFD, &out->text);
      return true;
    }
    if (!Advance()) return false;
    if (tok_.kind != Token::String) return Expected("string after '+'");
  }
}

bool DfmParser::ParseSet(DfmValue* out) {
  if (out) *out = DfmValue::Set({});
  if (!Advance()) return false;
  if (IsSymbol(']')) return Advance();
  for (;;) {
    if (tok_.kind != Token::Ident && tok_.kind != Token::Integer) return Expected("set element");
    if (out) out->names.emplace_back(TokenText());
    if (!Advance()) return false;
    if (IsSymbol(']')) return Advance();
    if (!IsSymbol(',')) return Expected("',' or ']'");
    if (!Advance()) return false;
  }
}

bool DfmParser::ParseList(int depth, DfmValue* out) {
  if (out) {
    *out = DfmValue();
    out->kind = DfmValueKind::List;
  }
  if (!Advance()) return false;
  while (!IsSymbol(')')) {
    if (tok_.kind == Token::Eof) return Expected("list value or ')'");
    DfmValue item;
    if (!ParseValue(depth + 1, out ? &item : nullptr)) return false;
    if (out) out->list.push_back(std::move(item));
  }
  return Advance();
}

bool DfmParser::ParseCollection(int depth, DfmValue* out) {
  if (out) {
    *out = DfmValue();
    out->kind = DfmValueKind::Collection;
  }
  if (!Advance()) return false;
  while (IsKeyword("item")) {
    DfmItem item;
    if (!Advance()) return false;
    if (IsSymbol('[')) {
      if (!Advance()) return false;
      if (tok_.kind != Token::Integer) return Expected("item index");
      item.index = tok_.integer;
      if (!Advance()) return false;
      if (!IsSymbol(']')) return Expected("']'");
      if (!Advance()) return false;
    }
    while (tok_.kind == Token::Ident && !IsKeyword("end")) {
      std::string name(TokenText());
      if (!Advance()) return false;
      if (!IsSymbol('=')) return Expected("'='");
      if (!Advance()) return false;
      DfmValue value;
      if (!ParseValue(depth + 1, out ? &value : nullptr)) return false;
      if (out) item.properties.emplace_back(std::move(name), std::move(value));
    }
    if (!IsKeyword("end")) return Expected("property name or 'end'");
    if (!Advance()) return false;
    if (out) out->items.push_back(std::move(item));
  }
  if (!IsSymbol('>')) return Expected("'item' or '>'");
  return Advance();
}

// Binary blocks are read here rather than by the lexer: hex digits in pairs, broken over
// lines anywhere, up to the closing brace.
bool DfmParser::ParseBinary(DfmValue* out) {
  if (out) {
    *out = DfmValue();
    out->kind = DfmValueKind::Binary;
  }
  pos_ = tok_.begin + 1;
  int high = -1;
  for (;;) {
    SkipBlanks();
    if (pos_ >= text_.size()) return Fail(pos_, "hexadecimal digit or '}'", DescribeAt(pos_));
    char c = text_[pos_];
    if (c == '}') {
      if (high >= 0) return Fail(pos_, "second hexadecimal digit of a byte", "'}'");
      ++pos_;
      tok_.end = pos_;
      return Advance();
    }
    int digit = HexDigit(c);
    if (digit < 0) return Fail(pos_, "hexadecimal digit or '}'", DescribeAt(pos_));
    if (high < 0) {
      high = digit;
    } else {
      if (out) out->bytes.push_back(static_cast<char>(high * 16 + digit));
      high = -1;
    }
    ++pos_;
  }
}

bool DfmParser::Advance() {
  last_end_ = tok_.end;
  SkipBlanks();
  tok_.begin = pos_;
  if (pos_ >= text_.size()) {
    tok_.kind = Token::Eof;
    tok_.end = pos_;
    return true;
  }
  char c = text_[pos_];
  if (IsIdentStart(c)) {
    // Qualified names (Font.Name, Form2.DataSource1) are one token.
    ++pos_;
    for (;;) {
      while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
      if (pos_ + 1 < text_.size() && text_[pos_] == '.' && IsIdentStart(text_[pos_ + 1])) {
        pos_ += 2;
        continue;
      }
      break;
    }
    tok_.kind = Token::Ident;
    tok_.end = pos_;
    return true;
  }
  if (IsDigit(c) || c == '$' ||
      (c == '-' && pos_ + 1 < text_.size() && (IsDigit(text_[pos_ + 1]) || text_[pos_ + 1] == '$')))
    return LexNumber();
  if (c == '\'' || c == '#') return LexString();
  static constexpr std::string_view kSymbols = ":=[](){}<>,+-";
  if (kSymbols.find(c) != std::string_view::npos) {
    tok_.kind = Token::Symbol;
    tok_.end = ++pos_;
    return true;
  }
  return Fail(pos_, "a name, number, string or symbol", DescribeAt(pos_));
}

bool DfmParser::LexNumber() {
  size_t start = pos_;
  bool negative = text_[pos_] == '-';
  if (negative) ++pos_;
  uint64_t magnitude = 0;
  bool overflow = false;
  bool is_float = false;
  if (text_[pos_] == '$') {
    ++pos_;
    size_t digits = pos_;
    while (pos_ < text_.size() && HexDigit(text_[pos_]) >= 0) {
      if (magnitude >> 60) overflow = true;
      magnitude = magnitude * 16 + static_cast<uint64_t>(HexDigit(text_[pos_]));
      ++pos_;
    }
    if (pos_ == digits) return Fail(pos_, "hexadecimal digit after '$'", DescribeAt(pos_));
  } else {
    while (pos_ < text_.size() && IsDigit(text_[pos_])) {
      uint64_t digit = static_cast<uint64_t>(text_[pos_] - '0');
      if (magnitude > (std::numeric_limits<uint64_t>::max() - digit) / 10) overflow = true;
      magnitude = magnitude * 10 + digit;
      ++pos_;
    }
    if (pos_ + 1 < text_.size() && text_[pos_] == '.' && IsDigit(text_[pos_ + 1])) {
      is_float = true;
      ++pos_;
      while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      size_t exponent = pos_ + 1;
      if (exponent < text_.size() && (text_[exponent] == '+' || text_[exponent] == '-')) ++exponent;
      if (exponent < text_.size() && IsDigit(text_[exponent])) {
        is_float = true;
        pos_ = exponent;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
      }
    }
    // Single, currency and date floats carry a type letter, also on a whole number
    // (Value = 38353d, Ratio = 0s); a letter that starts a longer word is not one.
    if (pos_ < text_.size() &&
        std::string_view("sScCdD").find(text_[pos_]) != std::string_view::npos &&
        (pos_ + 1 >= text_.size() || !IsIdentChar(text_[pos_ + 1]))) {
      is_float = true;
      ++pos_;
    }
  }
  tok_.end = pos_;
  if (pos_ < text_.size() && IsIdentChar(text_[pos_])) {
    while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
    return Fail(start, "a number", "'" + std::string(text_.substr(start, pos_ - start)) + "'");
  }
  if (is_float) {
    tok_.kind = Token::Float;
    return true;
  }
  uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
  if (overflow || magnitude > limit)
    return Fail(start, "an integer of at most 64 bits",
                "'" + std::string(text_.substr(start, pos_ - start)) + "'");
  tok_.kind = Token::Integer;
  tok_.integer = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

// A string token is a run of quoted pieces and #nnn character codes with nothing between.
bool DfmParser::LexString() {
  while (pos_ < text_.size()) {
    char c = text_[pos_];
    if (c == '\'') {
      ++pos_;
      for (;;) {
        // Straight to the next quote; a line break before it leaves the string open.
        const char* from = text_.data() + pos_;
        const void* quote = std::memchr(from, '\'', text_.size() - pos_);
        size_t stop = quote ? static_cast<size_t>(static_cast<const char*>(quote) - from) + pos_
                            : text_.size();
        const void* lf = std::memchr(from, '\n', stop - pos_);
        const void* cr = std::memchr(from, '\r', stop - pos_);
        if (lf || cr) {
          const char* first =
              !lf   ? static_cast<const char*>(cr)
              : !cr ? static_cast<const char*>(lf)
                    : std::min(static_cast<const char*>(lf), static_cast<const char*>(cr));
          pos_ += static_cast<size_t>(first - from);
          return Fail(pos_, "closing quote", DescribeAt(pos_));
        }
        pos_ = stop;
        if (pos_ >= text_.size()) return Fail(pos_, "closing quote", DescribeAt(pos_));
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
    } else if (c == '#') {
      size_t hash = pos_++;
      uint64_t code = 0;
      size_t digits = pos_;
      bool hex = pos_ < text_.size() && text_[pos_] == '$';
      if (hex) digits = ++pos_;
      while (pos_ < text_.size() && (hex ? HexDigit(text_[pos_]) >= 0 : IsDigit(text_[pos_]))) {
        if (code <= 0x10FFFF)
          code = code * (hex ? 16 : 10) +
                 static_cast<uint64_t>(hex ? HexDigit(text_[pos_]) : text_[pos_] - '0');
        ++pos_;
      }
      if (pos_ == digits) return Fail(pos_, "character code after '#'", DescribeAt(pos_));
      if (code > 0x10FFFF)
        return Fail(hash, "a character code up to 1114111",
                    "'" + std::string(text_.substr(hash, pos_ - hash)) + "'");
    } else {
      break;
    }
  }
  tok_.kind = Token::String;
  tok_.end = pos_;
  return true;
}

// Raw characters in quotes are in the file's encoding; #nnn is a code point.
// The platform's strings are UTF-16, so characters past U+FFFF come as two codes, a high
// and a low surrogate; *high carries the first to the next code. A lone one becomes U+FFFD.
void DfmParser::DecodeString(size_t begin, size_t end, char32_t* high, std::string* out) const {
  size_t pos = begin;
  while (pos < end) {
    if (text_[pos] == '\'') {
      if (*high) AppendUtf8(0xFFFD, out);
      *high = 0;
      ++pos;
      for (;;) {
        char c = text_[pos];
        if (c == '\'') {
          if (text_[pos + 1] == '\'') {
            out->push_back('\'');
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
          out->push_back(c);
          ++pos;
        } else if (source_.encoding == TextEncoding::Windows1252) {
          AppendUtf8(Windows1252ToUnicode(byte), out);
          ++pos;
        } else {
          size_t from = pos;
          char32_t cp = NextCodePoint(text_, &pos);
          if (cp == 0xFFFD && pos == from + 1)
            AppendUtf8(cp, out);
          else
            out->append(text_.substr(from, pos - from));
        }
      }
    } else {
      ++pos;  // '#'
      bool hex = text_[pos] == '$';
      if (hex) ++pos;
      char32_t code = 0;
      while (pos < end && (hex ? HexDigit(text_[pos]) >= 0 : IsDigit(text_[pos]))) {
        code = code * (hex ? 16 : 10) +
               static_cast<char32_t>(hex ? HexDigit(text_[pos]) : text_[pos] - '0');
        ++pos;
      }
      if (code >= 0xDC00 && code <= 0xDFFF && *high) {
        AppendUtf8(0x10000 + ((*high - 0xD800) << 10) + (code - 0xDC00), out);
        *high = 0;
        continue;
      }
      if (*high) AppendUtf8(0xFFFD, out);
      *high = 0;
      if (code >= 0xD800 && code <= 0xDBFF)
        *high = code;
      else
        AppendUtf8(code >= 0xDC00 && code <= 0xDFFF ? 0xFFFD : code, out);
    }
  }
}

// A name as the host holds it, in UTF-8; the file's own bytes stay for writing back.
std::string DfmParser::DecodeName(std::string_view raw) const {
  if (source_.encoding != TextEncoding::Windows1252 ||
      std::all_of(raw.begin(), raw.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return std::string(raw);
  std::string out;
  for (char c : raw) AppendUtf8(Windows1252ToUnicode(static_cast<unsigned char>(c)), &out);
  return out;
}

// One test for the words that end a property list ("end", "object", "inline",
// "inherited"), by length first: most property names have none of those lengths.
bool DfmParser::IsStructureWord() const {
  switch (tok_.end - tok_.begin) {
    case 3:
      return IsKeyword("end");
    case 6:
      return IsKeyword("object") || IsKeyword("inline");
    case 9:
      return IsKeyword("inherited");
    default:
      return false;
  }
}

bool DfmParser::IsObjectKeyword() const {
  return IsKeyword("object") || IsKeyword("inherited") || IsKeyword("inline");
}

std::string DfmParser::Describe() const {
  if (tok_.kind == Token::Eof) return "end of file";
  std::string_view text = TokenText();
  if (text.size() > 40) return "'" + std::string(text.substr(0, 40)) + "...'";
  return "'" + std::string(text) + "'";
}

// The character at pos as a message shows it: whole, in UTF-8, or as the end it marks.
std::string DfmParser::DescribeAt(size_t pos) const {
  if (pos >= text_.size()) return "end of file";
  unsigned char c = static_cast<unsigned char>(text_[pos]);
  if (c == '\n' || c == '\r') return "end of line";
  if (c == 0) return "NUL character";
  std::string shown;
  if (c < 0x80) {
    shown.push_back(static_cast<char>(c));
  } else if (source_.encoding == TextEncoding::Windows1252) {
    AppendUtf8(Windows1252ToUnicode(c), &shown);
  } else {
    size_t next = pos;
    AppendUtf8(NextCodePoint(text_, &next), &shown);
  }
  return "'" + shown + "'";
}

bool DfmParser::Fail(size_t offset, const std::string& expected, const std::string& found) {
  if (error_.empty())
    error_ = SourceLocation(source_.path, text_, offset, source_.encoding) + ": expected " +
             expected + ", found " + found;
  return false;
}

}  // namespace ide
