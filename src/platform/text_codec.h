// Character-level text helpers of the data layer: UTF-8 code-point counting and cutting,
// Windows-1252 decoding and encoding, and case folding for case-insensitive comparison.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Number of code points in UTF-8 text (a malformed byte counts as one).
size_t Utf8Length(std::string_view text);

// The first max_chars code points of UTF-8 text; the text itself when it is shorter.
std::string_view Utf8Prefix(std::string_view text, size_t max_chars);

// Checks that text is well-formed UTF-8; on failure *bad_offset is the first bad byte.
bool IsValidUtf8(std::string_view text, size_t* bad_offset);

// Appends Windows-1252 bytes decoded to UTF-8. Fails on the five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D); *bad_offset is that byte.
bool AppendDecodedWindows1252(std::string_view bytes, std::string& out, size_t* bad_offset);

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int Windows1252Byte(uint32_t code_point);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, uint32_t code_point);

// Length of the well-formed UTF-8 sequence at text[pos] (its value in *code_point), or 0
// when the bytes there are malformed, overlong, a surrogate or past U+10FFFF.
size_t Utf8SequenceLength(std::string_view text, size_t pos, uint32_t* code_point);

// The code point of a Windows-1252 byte; the five bytes the code page leaves undefined map
// to the C1 controls of the same value, as Windows does, so every byte survives a round trip.
uint32_t Windows1252ToUnicode(unsigned char byte);

// Decodes the code point at text[pos] and advances pos (a malformed byte gives U+FFFD).
uint32_t NextCodePoint(std::string_view text, size_t& pos);

// Case folding (ICU full folding) for comparisons that ignore letter case.
std::string FoldCase(std::string_view text);

}  // namespace platform
