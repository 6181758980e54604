#include "ide/dfm_writer.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "platform/classes.h"

namespace ide {

namespace {

// Characters per line of a split string, counted in characters of the string.
constexpr size_t kLineLength = 64;

struct Patch {
  size_t begin;
  size_t end;
  std::string text;
};

// The whitespace before offset on its line, or fallback when something else precedes it.
std::string IndentBefore(std::string_view text, size_t offset, std::string_view fallback) {
  size_t start = offset;
  while (start > 0 && (text[start - 1] == ' ' || text[start - 1] == '\t')) --start;
  if (start > 0 && text[start - 1] != '\n') return std::string(fallback);
  return std::string(text.substr(start, offset - start));
}

void AppendHex(std::string_view bytes, std::string* out) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (char c : bytes) {
    unsigned char b = static_cast<unsigned char>(c);
    out->push_back(kDigits[b >> 4]);
    out->push_back(kDigits[b & 15]);
  }
}

const char* FloatSuffix(DfmFloatType type) {
  switch (type) {
    case DfmFloatType::Single:
      return "s";
    case DfmFloatType::Currency:
      return "c";
    case DfmFloatType::Date:
      return "d";
    default:
      return "";
  }
}

}  // namespace

// The LCL's writer: UTF-8 text in quotes, control characters as #code, no line splits.
std::string FormatUtf8String(std::string_view utf8) {
  std::string out;
  bool quoted = false;
  for (size_t pos = 0; pos < utf8.size();) {
    const size_t from = pos;
    const char32_t c = NextCodePoint(utf8, &pos);
    if (c < ' ') {
      if (quoted) out.push_back('\'');
      quoted = false;
      out += "#" + std::to_string(static_cast<uint32_t>(c));
      continue;
    }
    if (!quoted) out.push_back('\'');
    quoted = true;
    if (c == '\'') out.push_back('\'');
    out.append(utf8.substr(from, pos - from));
  }
  if (quoted) out.push_back('\'');
  return out.empty() ? "''" : out;
}

std::string FormatDfmString(std::string_view utf8, std::string_view indent,
                            std::string_view line_break, FormDialect dialect) {
  if (WritesTextAsUtf8(dialect)) return FormatUtf8String(utf8);
  // Counted and written in UTF-16 units, as the platform's strings hold them.
  std::vector<char32_t> chars;
  chars.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t c = NextCodePoint(utf8, &pos);
    if (c > 0xFFFF) {
      chars.push_back(0xD800 + ((c - 0x10000) >> 10));
      chars.push_back(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      chars.push_back(c);
    }
  }
  if (chars.empty()) return "''";

  std::string out;
  std::string new_line = std::string(line_break) + std::string(indent) + "  ";
  const size_t length = chars.size();
  if (length > kLineLength) out += new_line;
  auto printable = [](char32_t c) { return c >= ' ' && c != '\'' && c < 127; };
  size_t i = 0;
  size_t line_start = 0;
  while (i < length) {
    bool line_break_due = false;
    if (printable(chars[i])) {
      out.push_back('\'');
      do {
        out.push_back(static_cast<char>(chars[i]));
        ++i;
      } while (i < length && printable(chars[i]) && i - line_start < kLineLength);
      out.push_back('\'');
      line_break_due = i - line_start >= kLineLength;
    } else {
      out.push_back('#');
      out += std::to_string(static_cast<uint32_t>(chars[i]));
      ++i;
      line_break_due = i - line_start >= kLineLength;
    }
    if (line_break_due && i < length) {
      out += " +";
      out += new_line;
      line_start = i;
    }
  }
  return out;
}

std::string FormatDfmValue(const DfmValue& value, std::string_view indent,
                           std::string_view line_break, FormDialect dialect) {
  std::string inner = std::string(indent) + "  ";
  std::string out;
  switch (value.kind) {
    case DfmValueKind::Integer:
      return std::to_string(value.integer);
    case DfmValueKind::Float: {
      // Fifteen significant digits as the platform's float-to-text gives them (1.5E-7, not
      // 1.5E-07); a currency in ten-thousandths, and the type letter after the number.
      const double shown =
          value.float_type == DfmFloatType::Currency ? value.number * 10000 : value.number;
      char buffer[64];
      const auto written =
          std::to_chars(buffer, buffer + sizeof buffer - 1, shown, std::chars_format::general, 15);
      *written.ptr = '\0';
      for (char* c = buffer; *c; ++c) {
        if (*c != 'e') continue;
        *c = 'E';
        std::string exponent = c[1] == '-' ? "-" : "";
        const char* digits = c + (c[1] == '-' || c[1] == '+' ? 2 : 1);
        while (*digits == '0' && digits[1] != '\0') ++digits;
        out.assign(buffer, c + 1);
        return out + exponent + digits + FloatSuffix(value.float_type);
      }
      out = buffer;
      switch (value.float_type) {
        case DfmFloatType::Extended:
          // Without a point the text would read back as an integer.
          if (out.find_first_of(".En") == std::string::npos) out += ".0";
          return out;
        default:
          return out + FloatSuffix(value.float_type);
      }
    }
    case DfmValueKind::String:
      return FormatDfmString(value.text, indent, line_break, dialect);
    case DfmValueKind::Identifier:
      return value.text;
    case DfmValueKind::Boolean:
      return value.boolean ? "True" : "False";
    case DfmValueKind::Set:
      out = "[";
      for (size_t i = 0; i < value.names.size(); ++i) {
        if (i) out += ", ";
        out += value.names[i];
      }
      return out + "]";
    case DfmValueKind::List:
      out = "(";
      for (const DfmValue& item : value.list) {
        out += line_break;
        out += inner;
        out += FormatDfmValue(item, inner, line_break, dialect);
      }
      return out + ")";
    case DfmValueKind::Collection: {
      out = "<";
      std::string properties_indent = inner + "  ";
      for (const DfmItem& item : value.items) {
        out += line_break;
        out += inner + "item";
        if (item.index) out += " [" + std::to_string(*item.index) + "]";
        out += line_break;
        for (const auto& [name, property] : item.properties) {
          out += properties_indent + name + " = ";
          out += FormatDfmValue(property, properties_indent, line_break, dialect);
          out += line_break;
        }
        out += inner + "end";
      }
      return out + ">";
    }
    case DfmValueKind::Binary:
      out = "{";
      for (size_t pos = 0; pos < value.bytes.size(); pos += 32) {
        out += line_break;
        out += inner;
        AppendHex(std::string_view(value.bytes).substr(pos, 32), &out);
      }
      return out + "}";
  }
  return out;
}

// Where a property added to an object is written: a position property beside the others
// in the designer's order, anything else after the file's last property.
size_t DfmWriter::NewPropertyPlace(const DfmObject& object, std::string_view name,
                                   FormDialect dialect) {
  const auto& order = PositionOrder(dialect);
  const auto rank_of = [&](std::string_view property) {
    for (size_t i = 0; i < order.size(); ++i)
      if (platform::SameTextAscii(order[i], property)) return static_cast<int>(i);
    return -1;
  };
  const int rank = rank_of(name);
  if (rank < 0) return object.properties_end_;
  const DfmProperty* before = nullptr;  // the file's position property just ahead of it
  const DfmProperty* after = nullptr;   // the file's position property just behind it
  for (const DfmProperty& p : object.properties_) {
    const int other = p.from_source() ? rank_of(p.name_) : -1;
    if (other < 0) continue;
    if (other < rank && (!before || other > rank_of(before->name_))) before = &p;
    if (other > rank && (!after || other < rank_of(after->name_))) after = &p;
  }
  if (before) return before->value_end_;
  if (after) return after->lead_begin_;
  return object.properties_end_;
}

std::string FormatDfmObject(const DfmObject& object, std::string_view indent,
                            std::string_view line_break, FormDialect dialect) {
  const std::string inner = std::string(indent) + "  ";
  std::string out(indent);
  out += object.kind() == DfmObjectKind::Inherited ? "inherited "
         : object.kind() == DfmObjectKind::Inline  ? "inline "
                                                   : "object ";
  if (!object.name().empty()) out += object.name() + ": ";
  out += object.class_name();
  if (object.child_index()) out += " [" + std::to_string(*object.child_index()) + "]";
  out += line_break;
  for (const DfmProperty& p : object.properties()) {
    out += inner + p.name() + " = " + FormatDfmValue(p.value(), inner, line_break, dialect);
    out += line_break;
  }
  for (const DfmObject* child : object.children())
    if (!child->omitted()) out += FormatDfmObject(*child, inner, line_break, dialect);
  out += std::string(indent) + "end";
  out += line_break;
  return out;
}

std::string DfmWriter::Write(const DfmSource& source, const DfmObject& root) {
  std::vector<Patch> patches;
  std::vector<const DfmObject*> stack{&root};
  std::string_view text = source.text;
  const std::string& br = source.line_break;
  while (!stack.empty()) {
    const DfmObject& object = *stack.back();
    stack.pop_back();
    for (auto it = object.children_.rbegin(); it != object.children_.rend(); ++it)
      if (!(*it)->added_) stack.push_back(*it);
    if (!object.edited_) continue;
    if (object.name_ != object.source_name_) {
      std::string header = object.name_.empty() ? "" : object.name_ + ": ";
      patches.push_back({object.name_begin_, object.name_end_, header});
    }
    // Indentation of the object's properties: as the file has it, else two spaces
    // deeper than the object's header.
    std::string object_indent = IndentBefore(text, object.keyword_begin_, "");
    std::string property_indent = object_indent + "  ";
    const DfmProperty* first = nullptr;
    for (const DfmProperty& p : object.properties_)
      if (p.from_source() && (!first || p.name_begin_ < first->name_begin_)) first = &p;
    for (const DfmProperty& p : object.removed_)
      if (!first || p.name_begin_ < first->name_begin_) first = &p;
    if (first) property_indent = IndentBefore(text, first->name_begin_, property_indent);

    for (const DfmProperty& p : object.properties_) {
      if (p.from_source()) {
        if (p.assigned_) {
          std::string indent = IndentBefore(text, p.name_begin_, property_indent);
          patches.push_back({p.equals_end_, p.value_end_,
                             " " + FormatDfmValue(*p.assigned_, indent, br, source.dialect)});
        }
      } else {
        const size_t at = NewPropertyPlace(object, p.name_, source.dialect);
        patches.push_back({at, at,
                           br + property_indent + p.name_ + " = " +
                               FormatDfmValue(*p.assigned_, property_indent, br, source.dialect)});
      }
    }
    for (const DfmProperty& p : object.removed_)
      patches.push_back({p.lead_begin_, p.value_end_, ""});

    // Added children go before the next child of the file, else before the object's end,
    // on lines of their own.
    for (size_t i = 0; i < object.children_.size(); ++i) {
      const DfmObject& child = *object.children_[i];
      if (!child.added_ || child.omitted()) continue;
      const DfmObject* next = nullptr;
      for (size_t j = i + 1; j < object.children_.size() && !next; ++j)
        if (!object.children_[j]->added_) next = object.children_[j];
      const size_t at = next ? next->keyword_begin_ : object.end_begin_;
      const std::string indent =
          next ? IndentBefore(text, at, object_indent + "  ") : object_indent + "  ";
      size_t line_start = at;
      while (line_start > 0 && (text[line_start - 1] == ' ' || text[line_start - 1] == '\t'))
        --line_start;
      if (line_start == 0 || text[line_start - 1] == '\n')
        patches.push_back(
            {line_start, line_start, FormatDfmObject(child, indent, br, source.dialect)});
      else
        patches.push_back({at, at, br + FormatDfmObject(child, indent, br, source.dialect)});
    }
  }
  if (patches.empty()) return source.text;

  std::stable_sort(patches.begin(), patches.end(),
                   [](const Patch& a, const Patch& b) { return a.begin < b.begin; });
  std::string out;
  out.reserve(text.size() + 256);
  size_t pos = 0;
  for (const Patch& patch : patches) {
    out.append(text.substr(pos, patch.begin - pos));
    // Names and identifiers are the only raw text written (strings are escaped): in a
    // Windows-1252 form they go in its code page.
    std::string encoded;
    std::string ignored;
    if (source.encoding == TextEncoding::Windows1252 &&
        std::any_of(patch.text.begin(), patch.text.end(),
                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) &&
        EncodeText(patch.text, TextEncoding::Windows1252, &encoded, &ignored))
      out += encoded;
    else
      out += patch.text;
    pos = patch.end;
    // A file that puts several items on one line keeps a blank between them.
    if (pos < text.size() && static_cast<unsigned char>(text[pos]) > ' ' && !out.empty() &&
        static_cast<unsigned char>(out.back()) > ' ')
      out.push_back(' ');
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace ide
