#include "platform/text_codec.h"

#include <unicode/ucasemap.h>

#include <array>
#include <memory>

namespace platform {

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; 0 marks an undefined byte.
constexpr std::array<uint16_t, 32> kHigh1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8Impl(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

size_t SequenceLength(std::string_view text, size_t pos, uint32_t* value = nullptr) {
  const auto b0 = static_cast<unsigned char>(text[pos]);
  if (b0 < 0x80) {
    if (value != nullptr) *value = b0;
    return 1;
  }
  size_t len = 0;
  uint32_t min = 0;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2;
    min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3;
    min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4;
    min = 0x10000;
  } else {
    return 0;
  }
  if (pos + len > text.size()) return 0;
  uint32_t cp = b0 & (0x7F >> len);
  for (size_t i = 1; i < len; ++i) {
    const auto b = static_cast<unsigned char>(text[pos + i]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  if (value != nullptr) *value = cp;
  return len;
}

}  // namespace

void AppendUtf8(std::string& out, uint32_t code_point) {
  AppendUtf8Impl(out, code_point);
}

size_t Utf8SequenceLength(std::string_view text, size_t pos, uint32_t* code_point) {
  return SequenceLength(text, pos, code_point);
}

uint32_t Windows1252ToUnicode(unsigned char byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  const uint16_t cp = kHigh1252[byte - 0x80];
  return cp != 0 ? cp : byte;
}

size_t Utf8Length(std::string_view text) {
  size_t count = 0;
  for (char c : text) {
    // Every byte that is not a continuation byte starts a code point.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::string_view Utf8Prefix(std::string_view text, size_t max_chars) {
  if (text.size() <= max_chars) return text;  // bytes >= code points
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      if (count == max_chars) return text.substr(0, i);
      ++count;
    }
  }
  return text;
}

bool IsValidUtf8(std::string_view text, size_t* bad_offset) {
  size_t pos = 0;
  while (pos < text.size()) {
    // Fast path over ASCII runs, the bulk of every table file.
    if (static_cast<unsigned char>(text[pos]) < 0x80) {
      ++pos;
      continue;
    }
    const size_t len = SequenceLength(text, pos);
    if (len == 0) {
      if (bad_offset != nullptr) *bad_offset = pos;
      return false;
    }
    pos += len;
  }
  return true;
}

bool AppendDecodedWindows1252(std::string_view bytes, std::string& out, size_t* bad_offset) {
  out.reserve(out.size() + bytes.size() + bytes.size() / 16);
  for (size_t i = 0; i < bytes.size(); ++i) {
    // Copy runs of ASCII in one go: table files are mostly ASCII.
    size_t run = i;
    while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80) ++run;
    if (run > i) {
      out.append(bytes.data() + i, run - i);
      i = run;
      if (i == bytes.size()) break;
    }
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b >= 0xA0) {
      AppendUtf8Impl(out, b);
    } else {
      const uint16_t cp = kHigh1252[b - 0x80];
      if (cp == 0) {
        if (bad_offset != nullptr) *bad_offset = i;
        return false;
      }
      AppendUtf8Impl(out, cp);
    }
  }
  return true;
}

int Windows1252Byte(uint32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<int>(code_point);
  }
  for (size_t i = 0; i < kHigh1252.size(); ++i) {
    if (kHigh1252[i] != 0 && kHigh1252[i] == code_point) return static_cast<int>(0x80 + i);
  }
  return -1;
}

uint32_t NextCodePoint(std::string_view text, size_t& pos) {
  const size_t len = SequenceLength(text, pos);
  if (len == 0) {
    ++pos;
    return 0xFFFD;
  }
  const auto b0 = static_cast<unsigned char>(text[pos]);
  uint32_t cp = len == 1 ? b0 : (b0 & (0x7F >> len));
  for (size_t i = 1; i < len; ++i)
    cp = (cp << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
  pos += len;
  return cp;
}

std::string FoldCase(std::string_view text) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UCaseMap, decltype(&ucasemap_close)> map(ucasemap_open("", 0, &status),
                                                           &ucasemap_close);
  if (U_FAILURE(status)) return std::string(text);
  std::string out(text.size() + 16, '\0');
  int32_t len = ucasemap_utf8FoldCase(map.get(), out.data(), static_cast<int32_t>(out.size()),
                                      text.data(), static_cast<int32_t>(text.size()), &status);
  if (status == U_BUFFER_OVERFLOW_ERROR) {
    status = U_ZERO_ERROR;
    out.assign(static_cast<size_t>(len), '\0');
    len = ucasemap_utf8FoldCase(map.get(), out.data(), len, text.data(),
                                static_cast<int32_t>(text.size()), &status);
  }
  if (U_FAILURE(status)) return std::string(text);
  out.resize(static_cast<size_t>(len));
  return out;
}

}  // namespace platform
