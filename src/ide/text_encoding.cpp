#include "ide/text_encoding.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace ide {

namespace {

// Windows-1252 in 0x80..0x9F; the five unassigned bytes map to the C1 controls of the same
// value, as Windows itself does, so every byte survives a round trip.
constexpr char32_t kHigh1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool UnicodeToWindows1252(char32_t c, unsigned char* byte) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
    *byte = static_cast<unsigned char>(c);
    return true;
  }
  for (int i = 0; i < 32; ++i) {
    if (kHigh1252[i] == c) {
      *byte = static_cast<unsigned char>(0x80 + i);
      return true;
    }
  }
  return false;
}

// Length of a well-formed UTF-8 sequence at text[pos], or 0 when it is malformed.
size_t SequenceLength(std::string_view text, size_t pos, char32_t* value) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(pos);
  size_t length;
  char32_t c;
  if (lead < 0x80) {
    *value = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    unsigned char b = byte(pos + i);
    if ((b & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
  if ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF)) ||
      (c >= 0xD800 && c <= 0xDFFF))
    return 0;
  *value = c;
  return length;
}

}  // namespace

char32_t Windows1252ToUnicode(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHigh1252[byte - 0x80] : byte;
}

void AppendUtf8(char32_t c, std::string* out) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (c >> 18)));
    out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

char32_t NextCodePoint(std::string_view text, size_t* pos) {
  char32_t c;
  size_t length = SequenceLength(text, *pos, &c);
  if (length == 0) {
    ++*pos;
    return 0xFFFD;
  }
  *pos += length;
  return c;
}

TextEncoding DetectEncoding(std::string_view bytes) {
  if (bytes.substr(0, 3) == kBom) return TextEncoding::Utf8Bom;
  bool non_ascii = false;
  for (size_t pos = 0; pos < bytes.size();) {
    // Eight ASCII bytes at a time: form files are nearly all ASCII.
    if (pos + 8 <= bytes.size()) {
      uint64_t word;
      std::memcpy(&word, bytes.data() + pos, 8);
      if ((word & 0x8080808080808080ULL) == 0) {
        pos += 8;
        continue;
      }
    }
    if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
      ++pos;
      continue;
    }
    char32_t c;
    size_t length = SequenceLength(bytes, pos, &c);
    if (length == 0) return TextEncoding::Windows1252;
    non_ascii = true;
    pos += length;
  }
  return non_ascii ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

std::string DecodeText(std::string_view bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::Utf8Bom && bytes.substr(0, 3) == kBom) bytes.remove_prefix(3);
  if (encoding != TextEncoding::Windows1252) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) AppendUtf8(Windows1252ToUnicode(static_cast<unsigned char>(ch)), &out);
  return out;
}

bool EncodeText(std::string_view utf8, TextEncoding encoding, std::string* bytes,
                std::string* err) {
  bytes->clear();
  bytes->reserve(utf8.size() + 3);
  if (encoding == TextEncoding::Utf8Bom) bytes->append(kBom);
  size_t line = 1;
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t c;
    size_t length = SequenceLength(utf8, pos, &c);
    if (length == 0) {
      *err = "line " + std::to_string(line) + ": the text is not valid UTF-8";
      return false;
    }
    if (c == '\n') ++line;
    if (encoding == TextEncoding::Windows1252) {
      unsigned char byte;
      if (!UnicodeToWindows1252(c, &byte)) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        *err = "line " + std::to_string(line) + ": the character " + code + " '" +
               std::string(utf8.substr(pos, length)) + "' cannot be written in Windows-1252";
        return false;
      }
      bytes->push_back(static_cast<char>(byte));
    } else {
      bytes->append(utf8.substr(pos, length));
    }
    pos += length;
  }
  return true;
}

std::string_view LineBreakOf(std::string_view text) {
  size_t lf = text.find('\n');
  if (lf == std::string_view::npos) return "\r\n";
  return lf > 0 && text[lf - 1] == '\r' ? "\r\n" : "\n";
}

std::string SourceLocation(const std::string& path, std::string_view text, size_t offset,
                           TextEncoding encoding) {
  if (offset > text.size()) offset = text.size();
  size_t line = 1;
  size_t line_start = 0;
  for (size_t i = 0; i < offset; ++i) {
    if (text[i] == '\n') {
      ++line;
      line_start = i + 1;
    }
  }
  if (encoding == TextEncoding::Utf8Bom && line == 1 && text.substr(0, 3) == kBom) line_start = 3;
  size_t column = 1;
  if (encoding == TextEncoding::Windows1252) {
    column += offset - line_start;
  } else {
    for (size_t pos = line_start; pos < offset; ++column) NextCodePoint(text, &pos);
  }
  return path + ":" + std::to_string(line) + ":" + std::to_string(column);
}

}  // namespace ide
