#include "platform/data_packet.h"

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <unordered_map>

#include "platform/atomic_file.h"
#include "platform/classes.h"
#include "platform/exceptions.h"
#include "platform/text_codec.h"

namespace platform {

namespace {

// Row states of a pending change log, as bits.
// Originals (1) and inserted rows (4) are kept as they stand; only these two need work.
constexpr int kRowDeleted = 2;
constexpr int kRowModified = 8;

// Positions in the decoded (UTF-8) text: line and column counted in characters.
class Positions {
 public:
  Positions(std::string_view text, std::string path) : text_(text), path_(std::move(path)) {}

  std::string At(size_t offset) const {
    if (offset > text_.size()) offset = text_.size();
    size_t line = 1;
    size_t line_start = 0;
    for (size_t i = 0; i < offset; ++i) {
      if (text_[i] == '\n') {
        ++line;
        line_start = i + 1;
      }
    }
    const size_t column = Utf8Length(text_.substr(line_start, offset - line_start)) + 1;
    return path_ + ":" + std::to_string(line) + ":" + std::to_string(column);
  }

  // The offset of a string pugixml left inside the parsed buffer, or of the node.
  size_t OffsetOf(const char* p, const pugi::xml_node& node) const {
    if (p >= text_.data() && p <= text_.data() + text_.size()) {
      return static_cast<size_t>(p - text_.data());
    }
    const ptrdiff_t off = node.offset_debug();
    return off >= 0 ? static_cast<size_t>(off) : 0;
  }

  [[noreturn]] void Fail(size_t offset, const std::string& what) const {
    throw EDatabaseError(At(offset) + ": " + what);
  }
  [[noreturn]] void Fail(const pugi::xml_node& node, const std::string& what) const {
    Fail(OffsetOf(node.name(), node), what);
  }
  [[noreturn]] void Fail(const pugi::xml_attribute& attr, const pugi::xml_node& node,
                         const std::string& what) const {
    Fail(OffsetOf(attr.value(), node), what);
  }

 private:
  std::string_view text_;
  std::string path_;
};

// Line and column of a byte in the undecoded file (for encoding errors).
std::string BytePosition(std::string_view bytes, size_t offset, const std::string& path) {
  size_t line = 1, start = 0;
  for (size_t i = 0; i < offset; ++i) {
    if (bytes[i] == '\n') {
      ++line;
      start = i + 1;
    }
  }
  return path + ":" + std::to_string(line) + ":" + std::to_string(offset - start + 1);
}

std::string HexByte(unsigned char b) {
  static const char kDigits[] = "0123456789ABCDEF";
  return std::string("0x") + kDigits[b >> 4] + kDigits[b & 15];
}

// The encoding named by the XML declaration, lower-cased; empty when none is declared.
std::string DeclaredEncoding(std::string_view bytes) {
  if (bytes.substr(0, 5) != "<?xml") return {};
  const size_t end = bytes.find("?>");
  const std::string_view decl = bytes.substr(0, end);
  const size_t at = decl.find("encoding");
  if (at == std::string_view::npos) return {};
  size_t i = at + 8;
  while (i < decl.size() && (decl[i] == ' ' || decl[i] == '=')) ++i;
  if (i >= decl.size() || (decl[i] != '"' && decl[i] != '\'')) return {};
  const char quote = decl[i++];
  const size_t close = decl.find(quote, i);
  std::string name(decl.substr(i, close == std::string_view::npos ? 0 : close - i));
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

// Turns the file's bytes into UTF-8 text, checking them against their encoding.
std::string DecodeBytes(std::string bytes, const std::string& path) {
  if (bytes.size() >= 2 &&
      ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'))) {
    throw EDatabaseError(path + ": expected a UTF-8 or Windows-1252 data packet, found UTF-16");
  }
  bool utf8 = false;
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    bytes.erase(0, 3);
    utf8 = true;
  }
  const std::string declared = DeclaredEncoding(bytes);
  if (declared == "utf-8" || declared == "utf8") {
    utf8 = true;
  } else if (!declared.empty() && declared != "windows-1252" && declared != "cp1252" &&
             declared != "iso-8859-1" && declared != "latin1" && declared != "us-ascii") {
    throw EDatabaseError(path + ": expected the encoding UTF-8 or Windows-1252, found '" +
                         declared + "'");
  }
  size_t bad = 0;
  if (utf8) {
    if (!IsValidUtf8(bytes, &bad)) {
      throw EDatabaseError(BytePosition(bytes, bad, path) + ": expected UTF-8 text, found byte " +
                           HexByte(static_cast<unsigned char>(bytes[bad])));
    }
    return bytes;
  }
  // No declaration (what the platform writes) or a single-byte one: Windows-1252.
  bool ascii = true;
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      ascii = false;
      break;
    }
  }
  if (ascii) return bytes;
  std::string text;
  if (!AppendDecodedWindows1252(bytes, text, &bad)) {
    throw EDatabaseError(BytePosition(bytes, bad, path) +
                         ": expected Windows-1252 text, found byte " +
                         HexByte(static_cast<unsigned char>(bytes[bad])));
  }
  return text;
}

// Character references must name a Unicode character; the parser would otherwise turn an
// out-of-range one into bytes that are not text.
void CheckCharacterReferences(std::string_view text, const Positions& pos) {
  for (size_t at = text.find("&#"); at != std::string_view::npos; at = text.find("&#", at + 2)) {
    size_t i = at + 2;
    const bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
    if (hex) ++i;
    uint64_t value = 0;
    size_t digits = 0;
    for (; i < text.size(); ++i, ++digits) {
      const char c = text[i];
      int d = -1;
      if (c >= '0' && c <= '9') d = c - '0';
      if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
      if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
      if (d < 0) break;
      value = std::min<uint64_t>(value * (hex ? 16 : 10) + static_cast<uint64_t>(d), 0x7FFFFFFF);
    }
    if (digits == 0 || i >= text.size() || text[i] != ';') continue;  // not a reference
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
      pos.Fail(at, "expected a character reference to a Unicode character, found '" +
                       std::string(text.substr(at, i + 1 - at)) + "'");
    }
  }
}

bool ParseWidth(const char* text, int32_t& width) {
  if (*text == '\0') return false;
  int64_t v = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') return false;
    v = v * 10 + (*p - '0');
    if (v > 1000000000) return false;
  }
  width = static_cast<int32_t>(v);
  return true;
}

TFieldDef ReadFieldDef(const pugi::xml_node& node, const Positions& pos) {
  TFieldDef def;
  const pugi::xml_attribute name = node.attribute("attrname");
  if (!name || name.value()[0] == '\0')
    pos.Fail(node, "expected a FIELD with an attrname, found none");
  def.Name = name.value();
  const pugi::xml_attribute type_attr = node.attribute("fieldtype");
  const std::string type = type_attr.value();
  const std::string subtype = node.attribute("SUBTYPE").value();
  int32_t width = 0;
  if (const pugi::xml_attribute w = node.attribute("WIDTH")) {
    if (!ParseWidth(w.value(), width)) {
      pos.Fail(w, node, "expected a WIDTH in digits, found '" + std::string(w.value()) + "'");
    }
  }
  def.PacketType = type;
  def.PacketSubtype = subtype;
  if (type == "string") {
    def.DataType = ftString;
    def.Size = width;
  } else if (type == "string.uni") {
    def.DataType = ftString;
    def.Size = width / 2;  // the packet counts two bytes per character
  } else if (type == "i4" || type == "i2" || type == "i1" || type == "ui1" || type == "ui2") {
    def.DataType = ftInteger;
  } else if (type == "boolean") {
    def.DataType = ftBoolean;
  } else if (type == "bin.hex" && (subtype == "Text" || subtype == "WideText")) {
    def.DataType = ftMemo;
    def.Size = width;
  } else if (type == "bin.hex" || type == "r8" || type == "r4" || type == "fixed" ||
             type == "fixedFMT" || type == "date" || type == "time" || type == "dateTime" ||
             type == "SQLdateTime" || type == "i8" || type == "ui4") {
    // Kept as text so the values are written back exactly as read.
    def.DataType = ftOther;
    def.Size = width;
  } else {
    pos.Fail(type_attr ? type_attr : name, node,
             "expected a known fieldtype for field '" + def.Name + "', found '" + type + "'");
  }
  const std::string required = node.attribute("required").value();
  def.Required = SameTextAscii(required, "true");
  return def;
}

struct RawRow {
  int state = 0;
  std::vector<Variant> values;
  std::vector<bool> present;
};

Variant ReadValue(const TFieldDef& def, const pugi::xml_attribute& attr, const pugi::xml_node& row,
                  const Positions& pos) {
  const char* text = attr.value();
  if (*text == '\0') return {};
  switch (def.DataType) {
    case ftString:
      // A field without a WIDTH has no limit to cut to.
      if (def.Size > 0) return std::string(Utf8Prefix(text, static_cast<size_t>(def.Size)));
      return std::string(text);
    case ftInteger: {
      int32_t v = 0;
      if (!TryStrToInt(text, v)) {
        pos.Fail(attr, row,
                 "expected an integer in field '" + def.Name + "', found '" + text + "'");
      }
      return v;
    }
    case ftBoolean:
      if (SameTextAscii(text, "true")) return true;
      if (SameTextAscii(text, "false")) return false;
      pos.Fail(attr, row,
               "expected TRUE or FALSE in field '" + def.Name + "', found '" + text + "'");
    default:
      return std::string(text);
  }
}

std::vector<int> ReadChangeLog(const char* text, size_t rows, const pugi::xml_attribute& attr,
                               const pugi::xml_node& node, const Positions& pos) {
  std::vector<int> numbers;
  const char* p = text;
  while (*p != '\0') {
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '\0') break;
    int64_t v = 0;
    if (*p < '0' || *p > '9') {
      pos.Fail(attr, node, "expected numbers in CHANGE_LOG, found '" + std::string(1, *p) + "'");
    }
    while (*p >= '0' && *p <= '9') {
      v = v * 10 + (*p - '0');
      if (v > 1000000000)
        pos.Fail(attr, node, "expected a row number in CHANGE_LOG, found a larger number");
      ++p;
    }
    numbers.push_back(static_cast<int>(v));
  }
  if (numbers.size() % 3 != 0) {
    pos.Fail(attr, node,
             "expected CHANGE_LOG entries in threes, found " + std::to_string(numbers.size()) +
                 " numbers");
  }
  for (size_t i = 0; i < numbers.size(); i += 3) {
    const auto row = static_cast<size_t>(numbers[i]);
    const auto original = static_cast<size_t>(numbers[i + 1]);
    if (row == 0 || row > rows || original > rows) {
      pos.Fail(attr, node,
               "expected CHANGE_LOG rows between 1 and " + std::to_string(rows) + ", found " +
                   std::to_string(row > rows || row == 0 ? row : original));
    }
  }
  return numbers;
}

// Applies the pending change log: modifications replace their original rows, deleted rows
// and the rows they delete go, inserted rows stay where they are.
std::vector<std::vector<Variant>> MergeChangeLog(std::vector<RawRow>& rows,
                                                 const std::vector<int>& log) {
  const size_t n = rows.size();
  std::vector<int> original(n, -1);
  for (size_t i = 0; i < log.size(); i += 3) {
    const size_t row = static_cast<size_t>(log[i]) - 1;
    if (log[i + 1] > 0) original[row] = log[i + 1] - 1;
    rows[row].state |= log[i + 2];
  }
  // Without a log entry, a modification belongs to the nearest row before it that is not one.
  for (size_t i = 0; i < n; ++i) {
    if ((rows[i].state & kRowModified) != 0 && original[i] < 0) {
      for (size_t j = i; j-- > 0;) {
        if ((rows[j].state & kRowModified) == 0) {
          original[i] = static_cast<int>(j);
          break;
        }
      }
    }
  }
  auto root = [&](size_t i) {
    size_t r = i;
    for (size_t steps = 0; original[r] >= 0 && steps <= n; ++steps)
      r = static_cast<size_t>(original[r]);
    return r;
  };
  std::vector<bool> dropped(n, false);
  for (size_t i = 0; i < n; ++i) {
    if ((rows[i].state & kRowDeleted) != 0) {
      dropped[i] = true;
      dropped[root(i)] = true;
    } else if ((rows[i].state & kRowModified) != 0 && original[i] >= 0) {
      const size_t r = root(i);
      dropped[i] = true;
      if (r == i) continue;
      for (size_t f = 0; f < rows[i].values.size(); ++f) {
        if (rows[i].present[f]) rows[r].values[f] = std::move(rows[i].values[f]);
      }
    }
  }
  std::vector<std::vector<Variant>> merged;
  merged.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    if (!dropped[i]) merged.push_back(std::move(rows[i].values));
  }
  return merged;
}

}  // namespace

DataPacket ReadDataPacket(const std::string& path) {
  std::string bytes;
  try {
    bytes = ReadWholeFile(path);
  } catch (const EFileError& e) {
    throw EDatabaseError(e.what());
  }
  return ParseDataPacket(std::move(bytes), path);
}

DataPacket ParseDataPacket(std::string bytes, const std::string& path) {
  std::string text = DecodeBytes(std::move(bytes), path);
  const Positions pos(text, path);
  CheckCharacterReferences(text, pos);
  pugi::xml_document doc;
  const pugi::xml_parse_result parsed =
      doc.load_buffer_inplace(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
  if (!parsed) {
    pos.Fail(
        static_cast<size_t>(parsed.offset),
        std::string("expected well-formed XML, found an error (") + parsed.description() + ")");
  }
  const pugi::xml_node root = doc.document_element();
  if (!root) pos.Fail(text.size(), "expected the element DATAPACKET, found no element");
  if (std::strcmp(root.name(), "DATAPACKET") != 0) {
    pos.Fail(root, "expected the element DATAPACKET, found '" + std::string(root.name()) + "'");
  }
  const pugi::xml_node metadata = root.child("METADATA");
  const pugi::xml_node fields = metadata.child("FIELDS");
  if (!fields) pos.Fail(metadata ? metadata : root, "expected METADATA with FIELDS, found none");

  DataPacket packet;
  std::unordered_map<std::string, int> by_name;
  for (const pugi::xml_node& f : fields.children("FIELD")) {
    TFieldDef def = ReadFieldDef(f, pos);
    if (by_name.count(def.Name) != 0)
      pos.Fail(f, "expected unique field names, found '" + def.Name + "' twice");
    by_name.emplace(def.Name, static_cast<int>(packet.fields.size()));
    packet.fields.push_back(std::move(def));
  }
  const size_t field_count = packet.fields.size();

  pugi::xml_attribute change_log;
  const pugi::xml_node params = metadata.child("PARAMS");
  for (const pugi::xml_attribute& a : params.attributes()) {
    if (std::strcmp(a.name(), "CHANGE_LOG") == 0) {
      change_log = a;
    } else {
      packet.params.emplace_back(a.name(), a.value());
    }
  }

  std::vector<RawRow> rows;
  bool has_states = false;
  const pugi::xml_node rowdata = root.child("ROWDATA");
  for (const pugi::xml_node& row : rowdata.children("ROW")) {
    RawRow raw;
    raw.values.resize(field_count);
    raw.present.assign(field_count, false);
    size_t next = 0;  // attributes usually come in field order
    for (const pugi::xml_attribute& a : row.attributes()) {
      const char* name = a.name();
      if (std::strcmp(name, "RowState") == 0) {
        int32_t state = 0;
        if (!TryStrToInt(a.value(), state) || state < 0) {
          pos.Fail(a, row, "expected a number in RowState, found '" + std::string(a.value()) + "'");
        }
        raw.state = state;
        has_states = true;
        continue;
      }
      size_t index = field_count;
      if (next < field_count && packet.fields[next].Name == name) {
        index = next;
      } else if (auto it = by_name.find(name); it != by_name.end()) {
        index = static_cast<size_t>(it->second);
      }
      if (index == field_count) continue;  // not a field of this packet: ignored
      raw.values[index] = ReadValue(packet.fields[index], a, row, pos);
      raw.present[index] = true;
      next = index + 1;
    }
    rows.push_back(std::move(raw));
  }

  if (!change_log && !has_states) {
    packet.rows.reserve(rows.size());
    for (RawRow& r : rows) packet.rows.push_back(std::move(r.values));
    return packet;
  }
  packet.change_log = true;
  std::vector<int> log;
  if (change_log) log = ReadChangeLog(change_log.value(), rows.size(), change_log, params, pos);
  packet.rows = MergeChangeLog(rows, log);
  return packet;
}

namespace {

// Attribute text as Windows-1252 bytes. Characters the code page lacks become numeric
// references, so nothing is lost for readers that decode them.
void AppendEscaped(std::string& out, std::string_view text) {
  // Bytes that go out as they are: printable ASCII other than the markup characters.
  static const auto kPlain = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x80; ++c) plain[c] = c != '&' && c != '<' && c != '>' && c != '"';
    return plain;
  }();
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = i;
    while (i < text.size() && kPlain[static_cast<unsigned char>(text[i])]) ++i;
    out.append(text.data() + start, i - start);
    if (i == text.size()) break;
    const auto c = static_cast<unsigned char>(text[i]);
    switch (c) {
      case '&':
        out += "&amp;";
        ++i;
        continue;
      case '<':
        out += "&lt;";
        ++i;
        continue;
      case '>':
        out += "&gt;";
        ++i;
        continue;
      case '"':
        out += "&quot;";
        ++i;
        continue;
      default:
        break;
    }
    if (c < 0x20) {
      // Line breaks and tabs as the platform writes them, so they survive attribute reading.
      static const char kDigits[] = "0123456789";
      out += "&#0";
      out.push_back(kDigits[c / 10]);
      out.push_back(kDigits[c % 10]);
      out.push_back(';');
      ++i;
      continue;
    }
    const uint32_t cp = NextCodePoint(text, i);
    const int byte = Windows1252Byte(cp);
    if (byte >= 0) {
      out.push_back(static_cast<char>(byte));
    } else {
      out += "&#" + std::to_string(cp) + ";";
    }
  }
}

std::string PacketTypeOf(const TFieldDef& def, std::string* subtype, int32_t* width) {
  *subtype = def.PacketSubtype;
  *width = def.Size;
  if (!def.PacketType.empty()) {
    if (def.PacketType == "string.uni") *width = def.Size * 2;
    return def.PacketType;
  }
  switch (def.DataType) {
    case ftInteger:
      *width = 0;
      return "i4";
    case ftBoolean:
      *width = 0;
      return "boolean";
    case ftMemo:
      *subtype = "Text";
      return "bin.hex";
    default:
      return "string";
  }
}

}  // namespace

std::string FormatDataPacket(const std::vector<const TFieldDef*>& fields,
                             const std::vector<int>& value_index,
                             const std::vector<std::pair<std::string, std::string>>& params,
                             const std::vector<const std::vector<Variant>*>& rows) {
  std::string out;
  size_t estimate = 4096;
  for (const std::vector<Variant>* row : rows) {
    estimate += 16;
    for (const Variant& v : *row)
      estimate += 24 + (v.TextPtr() != nullptr ? v.TextPtr()->size() : 0);
  }
  out.reserve(estimate + estimate / 8);
  // No encoding declaration and Windows-1252 bytes: exactly what the platform writes, and
  // the only form its reader takes as ANSI text (it does not decode UTF-8).
  out +=
      "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\"><METADATA><FIELDS>";
  for (const TFieldDef* def : fields) {
    std::string subtype;
    int32_t width = 0;
    const std::string type = PacketTypeOf(*def, &subtype, &width);
    out += "<FIELD attrname=\"";
    AppendEscaped(out, def->Name);
    out += "\" fieldtype=\"";
    AppendEscaped(out, type);
    out += "\"";
    if (def->Required) out += " required=\"true\"";
    if (!subtype.empty()) {
      out += " SUBTYPE=\"";
      AppendEscaped(out, subtype);
      out += "\"";
    }
    if (width > 0) out += " WIDTH=\"" + std::to_string(width) + "\"";
    out += "/>";
  }
  out += "</FIELDS><PARAMS";
  for (const auto& [name, value] : params) {
    out += ' ';
    AppendEscaped(out, name);  // names read from a file go back in its code page too
    out += "=\"";
    AppendEscaped(out, value);
    out += "\"";
  }
  out += "/></METADATA><ROWDATA>";
  for (const std::vector<Variant>* row : rows) {
    out += "<ROW";
    for (size_t f = 0; f < fields.size(); ++f) {
      const Variant& v = (*row)[value_index[f]];
      if (v.IsEmpty()) continue;
      out += ' ';
      AppendEscaped(out, fields[f]->Name);
      out += "=\"";
      switch (v.Type()) {
        case VarType::Boolean:
          out += v.AsBoolean() ? "TRUE" : "FALSE";
          break;
        case VarType::Integer:
          out += std::to_string(v.AsInteger());
          break;
        default:
          if (const std::string* text = v.TextPtr()) {
            AppendEscaped(out, *text);
          } else {
            AppendEscaped(out, v.AsString());
          }
      }
      out += '"';
    }
    out += "/>";
  }
  out += "</ROWDATA></DATAPACKET>";
  return out;
}

}  // namespace platform
