#include "ide/text_encoding.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/text_codec.h"

namespace ide {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// The byte of a code point in Windows-1252; the C1 controls stand for the five bytes the
// code page leaves undefined, so text read from any byte is written back as it was.
bool UnicodeToWindows1252(char32_t c, unsigned char* byte) {
  if (c >= 0x80 && c < 0xA0 && platform::Windows1252ToUnicode(static_cast<unsigned char>(c)) == c) {
    *byte = static_cast<unsigned char>(c);
    return true;
  }
  const int mapped = platform::Windows1252Byte(c);
  if (mapped < 0) return false;
  *byte = static_cast<unsigned char>(mapped);
  return true;
}

size_t SequenceLength(std::string_view text, size_t pos, char32_t* value) {
  uint32_t c = 0;
  const size_t length = platform::Utf8SequenceLength(text, pos, &c);
  *value = c;
  return length;
}

}  // namespace

char32_t Windows1252ToUnicode(unsigned char byte) {
  return platform::Windows1252ToUnicode(byte);
}

void AppendUtf8(char32_t c, std::string* out) {
  platform::AppendUtf8(*out, c);
}

char32_t NextCodePoint(std::string_view text, size_t* pos) {
  return platform::NextCodePoint(text, *pos);
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
