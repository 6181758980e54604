#include "ide/pascal_scan.h"

#include <cctype>

#include "platform/classes.h"

namespace ide {

namespace {

bool IsIdentChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

size_t SkipBlanks(const std::string& s, size_t i) {
  while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])) != 0) ++i;
  return i;
}

// Offset of the whole word (letter case ignored) at or after from, or npos.
size_t FindWord(const std::string& upper, const std::string& word, size_t from) {
  for (size_t at = upper.find(word, from); at != std::string::npos; at = upper.find(word, at + 1)) {
    const bool starts = at == 0 || !IsIdentChar(upper[at - 1]);
    const bool ends = at + word.size() >= upper.size() || !IsIdentChar(upper[at + word.size()]);
    if (starts && ends) return at;
  }
  return std::string::npos;
}

std::string LineColumn(const std::string& text, size_t offset) {
  int line = 1;
  size_t line_start = 0;
  for (size_t i = 0; i < offset && i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++line;
      line_start = i + 1;
    }
  }
  return std::to_string(line) + ":" + std::to_string(offset - line_start + 1);
}

}  // namespace

std::string CodeOnly(const std::string& text) {
  std::string code = text;
  size_t i = 0;
  auto blank_to = [&](size_t end) {
    for (; i < end && i < code.size(); ++i) {
      if (code[i] != '\n' && code[i] != '\r') code[i] = ' ';
    }
  };
  while (i < code.size()) {
    if (code.compare(i, 2, "//") == 0) {
      blank_to(code.find('\n', i));
    } else if (code[i] == '{') {
      const size_t end = code.find('}', i);
      blank_to(end == std::string::npos ? code.size() : end + 1);
    } else if (code.compare(i, 2, "(*") == 0) {
      const size_t end = code.find("*)", i + 2);
      blank_to(end == std::string::npos ? code.size() : end + 2);
    } else if (code[i] == '\'') {
      const size_t end = code.find('\'', i + 1);
      blank_to(end == std::string::npos ? code.size() : end + 1);
    } else {
      ++i;
    }
  }
  return code;
}

std::string FormClassAncestor(const std::string& unit_text, const std::string& class_name) {
  const std::string code = CodeOnly(unit_text);
  const std::string upper = platform::UpperAscii(code);
  const std::string wanted = platform::UpperAscii(class_name);
  if (wanted.empty()) return {};
  for (size_t at = FindWord(upper, wanted, 0); at != std::string::npos;
       at = FindWord(upper, wanted, at + 1)) {
    size_t i = SkipBlanks(upper, at + wanted.size());
    if (i >= upper.size() || upper[i] != '=') continue;
    i = SkipBlanks(upper, i + 1);
    if (FindWord(upper, "CLASS", i) != i) continue;
    i = SkipBlanks(upper, i + 5);
    if (i >= upper.size() || upper[i] != '(') continue;
    i = SkipBlanks(upper, i + 1);
    const size_t begin = i;
    while (i < upper.size() && IsIdentChar(upper[i])) ++i;
    return code.substr(begin, i - begin);
  }
  return {};
}

// Start of the body of "class_name = class(...)" in upper-cased code, or npos.
static size_t ClassBody(const std::string& upper, const std::string& wanted) {
  for (size_t at = FindWord(upper, wanted, 0); at != std::string::npos;
       at = FindWord(upper, wanted, at + 1)) {
    size_t i = SkipBlanks(upper, at + wanted.size());
    if (i >= upper.size() || upper[i] != '=') continue;
    i = SkipBlanks(upper, i + 1);
    if (FindWord(upper, "CLASS", i) != i) continue;
    i = SkipBlanks(upper, i + 5);
    if (i < upper.size() && upper[i] == '(') {
      const size_t close = upper.find(')', i);
      if (close == std::string::npos) return std::string::npos;
      i = close + 1;
    }
    return i;
  }
  return std::string::npos;
}

size_t FindFormField(const std::string& unit_text, const std::string& class_name,
                     const std::string& field) {
  const std::string upper = platform::UpperAscii(CodeOnly(unit_text));
  const std::string wanted = platform::UpperAscii(field);
  const size_t body = ClassBody(upper, platform::UpperAscii(class_name));
  if (body == std::string::npos || wanted.empty()) return std::string::npos;
  const size_t end = FindWord(upper, "END", body);
  for (size_t at = FindWord(upper, wanted, body); at != std::string::npos && at < end;
       at = FindWord(upper, wanted, at + 1)) {
    const size_t next = SkipBlanks(upper, at + wanted.size());
    if (next >= upper.size() || (upper[next] != ':' && upper[next] != ',')) continue;
    // A field starts a declaration: after the class header, a ';', a ',' or a
    // visibility word, never inside a method's parameter list.
    size_t prev = at;
    while (prev > body && std::isspace(static_cast<unsigned char>(upper[prev - 1])) != 0) --prev;
    if (prev == body || upper[prev - 1] == ';' || upper[prev - 1] == ',') {
      if (prev > body && upper[prev - 1] == ',') {
        // "A, B: TEdit" inside "procedure X(A, B: T)" is a parameter list: look for '('.
        const size_t open = upper.rfind('(', prev);
        const size_t semi = upper.rfind(';', prev);
        if (open != std::string::npos && open > body &&
            (semi == std::string::npos || open > semi)) {
          continue;
        }
      }
      return at;
    }
    size_t word = prev;
    while (word > body && IsIdentChar(upper[word - 1])) --word;
    const std::string before = upper.substr(word, prev - word);
    if (before == "PRIVATE" || before == "PROTECTED" || before == "PUBLIC" ||
        before == "PUBLISHED") {
      return at;
    }
  }
  return std::string::npos;
}

bool ProgramUses(const std::string& text, std::vector<UsesEntry>* entries, std::string* what) {
  entries->clear();
  const std::string code = CodeOnly(text);
  const std::string upper = platform::UpperAscii(code);
  const size_t uses = FindWord(upper, "USES", 0);
  if (uses == std::string::npos) {
    *what = LineColumn(text, text.size()) + ": expected a uses clause, found none";
    return false;
  }
  size_t i = uses + 4;
  while (true) {
    i = SkipBlanks(code, i);
    UsesEntry entry;
    const size_t name_begin = i;
    while (i < code.size() && (IsIdentChar(code[i]) || code[i] == '.')) ++i;
    if (i == name_begin) {
      *what = LineColumn(text, i) + ": expected a unit name, found " +
              (i < code.size() ? "'" + std::string(1, code[i]) + "'" : "the end of the file");
      return false;
    }
    entry.unit = code.substr(name_begin, i - name_begin);
    entry.where = LineColumn(text, name_begin);
    size_t after = SkipBlanks(code, i);
    if (FindWord(upper, "IN", after) == after) {
      // The path is a string literal: read it from the original text, quotes doubled.
      size_t q = SkipBlanks(text, after + 2);
      if (q >= text.size() || text[q] != '\'') {
        *what = LineColumn(text, q) + ": expected a quoted file name after 'in', found " +
                (q < text.size() ? "'" + std::string(1, text[q]) + "'" : "the end of the file");
        return false;
      }
      for (++q; q < text.size(); ++q) {
        if (text[q] == '\'' && q + 1 < text.size() && text[q + 1] == '\'') {
          entry.path += '\'';
          ++q;
        } else if (text[q] == '\'') {
          break;
        } else if (text[q] == '\n') {
          *what = LineColumn(text, q) + ": expected the closing quote, found the end of the line";
          return false;
        } else {
          entry.path += text[q];
        }
      }
      after = q + 1;
    }
    // A {form} comment names the unit's form; the code view has it blanked.
    size_t c = SkipBlanks(text, after);
    if (c < text.size() && text[c] == '{') {
      const size_t close = text.find('}', c);
      if (close != std::string::npos) {
        std::string form = text.substr(c + 1, close - c - 1);
        form = form.substr(0, form.find(':'));
        while (!form.empty() && std::isspace(static_cast<unsigned char>(form.back()))) {
          form.pop_back();
        }
        entry.form = form;
      }
    }
    entries->push_back(std::move(entry));
    after = SkipBlanks(code, after);
    if (after < code.size() && code[after] == ',') {
      i = after + 1;
      continue;
    }
    if (after < code.size() && code[after] == ';') return true;
    *what = LineColumn(text, after) + ": expected ',' or ';' in the uses clause, found " +
            (after < code.size() ? "'" + std::string(1, code[after]) + "'" : "the end of the file");
    return false;
  }
}

}  // namespace ide
