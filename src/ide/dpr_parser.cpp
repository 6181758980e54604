#include "ide/dpr_parser.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "ide/file_system.h"
#include "ide/pascal_lexer.h"
#include "ide/text_encoding.h"

namespace ide {

namespace {

// The project's folder joined with a Windows-style relative path.
std::string JoinPath(const std::string& project_path, std::string relative) {
  for (char& c : relative)
    if (c == '\\') c = '/';
  std::filesystem::path joined = std::filesystem::path(project_path).parent_path() / relative;
  return joined.lexically_normal().generic_string();
}

// The text of a Pascal string literal ('it''s'#65).
std::string StringValue(std::string_view literal) {
  std::string out;
  for (size_t pos = 0; pos < literal.size();) {
    if (literal[pos] == '#') {
      // The lexer has checked the digits; a code past Unicode becomes U+FFFD.
      bool hex = literal[++pos] == '$';
      if (hex) ++pos;
      uint32_t code = 0;
      for (; pos < literal.size() && literal[pos] != '#' && literal[pos] != '\''; ++pos) {
        char c = literal[pos];
        uint32_t digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
        if (code <= 0x10FFFF) code = code * (hex ? 16 : 10) + digit;
      }
      AppendUtf8(code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) ? 0xFFFD : code, &out);
      continue;
    }
    ++pos;
    while (pos < literal.size()) {
      if (literal[pos] == '\'') {
        if (pos + 1 < literal.size() && literal[pos + 1] == '\'') {
          out.push_back('\'');
          pos += 2;
          continue;
        }
        ++pos;
        break;
      }
      out.push_back(literal[pos++]);
    }
  }
  return out;
}

std::string Trim(std::string_view text) {
  size_t begin = text.find_first_not_of(" \t\r\n");
  if (begin == std::string_view::npos) return "";
  size_t end = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(begin, end - begin + 1));
}

class DprReader {
 public:
  DprReader(const std::string& path, const std::string& text)
      : path_(path), text_(text), lexer_(text) {}

  bool Read(DprProject* project, std::string* err) {
    bool ok = ReadProject(project);
    if (!ok) *err = error_;
    return ok;
  }

 private:
  bool ReadProject(DprProject* project) {
    if (!Advance()) return false;
    if (!lexer_.Is(tok_, "program") && !lexer_.Is(tok_, "library") && !lexer_.Is(tok_, "package"))
      return Expected("'program', 'library' or 'package'");
    project->kind = std::string(lexer_.Text(tok_));
    for (char& c : project->kind) c = static_cast<char>(std::tolower(c));
    if (!Advance()) return false;
    if (tok_.kind != PascalToken::Ident) return Expected("project name");
    project->name = std::string(lexer_.Text(tok_));
    if (!Advance()) return false;
    if (!IsSymbol(';')) return Expected("';'");
    // A package lists its units under `contains`, a program or library under `uses`.
    const char* clause = project->kind == "package" ? "contains" : "uses";
    for (;;) {
      if (!Advance()) return false;
      if (tok_.kind == PascalToken::Eof || lexer_.Is(tok_, "begin") || lexer_.Is(tok_, "end"))
        return true;
      if (lexer_.Is(tok_, clause)) break;
    }
    return ReadUnits(project);
  }

  bool ReadUnits(DprProject* project) {
    if (!Advance()) return false;
    for (;;) {
      if (tok_.kind != PascalToken::Ident) return Expected("unit name");
      DprUnit unit;
      unit.name = std::string(lexer_.Text(tok_));
      unit.line = LineOf(tok_.begin);
      if (!Advance(true)) return false;
      // Dotted unit names.
      while (IsSymbol('.')) {
        if (!Advance()) return false;
        if (tok_.kind != PascalToken::Ident) return Expected("unit name after '.'");
        unit.name += "." + std::string(lexer_.Text(tok_));
        if (!Advance(true)) return false;
      }
      if (lexer_.Is(tok_, "in")) {
        if (!Advance()) return false;
        if (tok_.kind != PascalToken::String) return Expected("file name in quotes");
        unit.in_path = StringValue(lexer_.Text(tok_));
        unit.path = JoinPath(path_, unit.in_path);
        if (!Advance(true)) return false;
      }
      // {Form1} or {Form1: TClass}; a directive or a remark ({ you can add units after
      // this }, which Lazarus writes into every new program) names no form.
      if (tok_.kind == PascalToken::BraceComment && NamesForm(lexer_.Text(tok_))) {
        std::string_view inside = lexer_.Text(tok_).substr(1, tok_.end - tok_.begin - 2);
        size_t colon = inside.find(':');
        unit.form_name = Trim(inside.substr(0, colon));
        if (colon != std::string_view::npos) unit.form_class = Trim(inside.substr(colon + 1));
        if (!Advance(true)) return false;
      }
      // Other comments between the entry and its separator are not forms.
      while (tok_.kind == PascalToken::BraceComment)
        if (!Advance(true)) return false;
      project->units.push_back(std::move(unit));
      if (IsSymbol(';')) return true;
      if (!IsSymbol(',')) return Expected("',' or ';'");
      if (!Advance()) return false;
    }
  }

  static bool NamesForm(std::string_view comment) {
    const std::string name = Trim(comment.substr(1, comment.size() - 2));
    const std::string head = name.substr(0, name.find(':'));
    const std::string ident = Trim(head);
    if (ident.empty() || !(std::isalpha(static_cast<unsigned char>(ident[0])) || ident[0] == '_')) {
      return false;
    }
    return std::all_of(ident.begin(), ident.end(), [](char c) {
      return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
  }

  bool Advance(bool keep_braces = false) {
    if (lexer_.Next(&tok_, keep_braces)) return true;
    error_ = SourceLocation(path_, text_, lexer_.error_offset(), TextEncoding::Utf8) + ": " +
             lexer_.error();
    return false;
  }
  bool IsSymbol(char c) const {
    return tok_.kind == PascalToken::Symbol && tok_.end - tok_.begin == 1 && text_[tok_.begin] == c;
  }
  bool Expected(const std::string& what) {
    std::string_view shown = lexer_.Text(tok_);
    // A character outside ASCII is shown whole, not as its first byte.
    if (tok_.kind == PascalToken::Symbol && static_cast<unsigned char>(shown[0]) >= 0x80) {
      size_t next = tok_.begin;
      NextCodePoint(text_, &next);
      shown = text_.substr(tok_.begin, next - tok_.begin);
    }
    std::string found =
        tok_.kind == PascalToken::Eof ? "end of file" : "'" + std::string(shown) + "'";
    if (found.size() > 42) found = found.substr(0, 41) + "...'";
    error_ = SourceLocation(path_, text_, tok_.begin, TextEncoding::Utf8) + ": expected " + what +
             ", found " + found;
    return false;
  }
  // Units are asked for in file order, so the count goes on from the last offset asked
  // instead of from the top for each of a large project's units.
  size_t LineOf(size_t offset) {
    if (offset < counted_to_) {
      counted_to_ = 0;
      counted_line_ = 1;
    }
    for (; counted_to_ < offset; ++counted_to_)
      if (text_[counted_to_] == '\n') ++counted_line_;
    return counted_line_;
  }

  const std::string& path_;
  std::string_view text_;
  size_t counted_to_ = 0;
  size_t counted_line_ = 1;
  PascalLexer lexer_;
  PascalToken tok_;
  std::string error_;
};

}  // namespace

std::vector<const DprUnit*> DprProject::MissingUnits() const {
  std::vector<const DprUnit*> missing;
  for (const DprUnit& unit : units)
    if (!unit.path.empty() && !unit.exists) missing.push_back(&unit);
  return missing;
}

std::string FindFileIgnoringCase(FileSystem& fs, const std::string& path) {
  if (fs.FileExists(path)) return path;
  std::string resolved = path.rfind('/', 0) == 0 ? "/" : "";
  size_t pos = resolved.size();
  while (pos <= path.size()) {
    size_t slash = path.find('/', pos);
    if (slash == std::string::npos) slash = path.size();
    std::string part = path.substr(pos, slash - pos);
    pos = slash + 1;
    if (part.empty() || part == "." || part == "..") {
      if (!part.empty()) resolved += part + "/";
      continue;
    }
    std::vector<std::string> names;
    std::string err;
    std::string folder = resolved.empty() ? "." : resolved;
    if (!fs.ListFolder(folder, &names, &err)) return "";
    std::string match;
    for (const std::string& name : names)
      if (SameIdentifier(name, part)) match = name;
    if (match.empty()) return "";
    resolved += match;
    if (slash < path.size()) resolved += "/";
  }
  return fs.FileExists(resolved) ? resolved : "";
}

bool ReadDpr(FileSystem& fs, const std::string& path, DprProject* project, std::string* err) {
  std::string bytes;
  if (!fs.ReadFile(path, &bytes, err)) return false;
  std::string text = DecodeText(bytes, DetectEncoding(bytes));
  *project = DprProject();
  if (!DprReader(path, text).Read(project, err)) return false;
  for (DprUnit& unit : project->units) {
    if (unit.path.empty()) continue;
    std::string found = FindFileIgnoringCase(fs, unit.path);
    unit.exists = !found.empty();
    if (unit.exists) unit.path = found;
  }
  return true;
}

}  // namespace ide
