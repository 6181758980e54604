// Text encodings of the project's files: what a file on disk is written in, and the
// conversions to and from the UTF-8 the host works in. Line breaks pass through untouched.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ide {

enum class TextEncoding {
  Windows1252,  // no BOM and not valid UTF-8, or plain ASCII (what the IDE assumes)
  Utf8,         // no BOM, valid UTF-8 with at least one non-ASCII character
  Utf8Bom,      // starts with EF BB BF
};

// Decides the encoding of a file's bytes.
TextEncoding DetectEncoding(std::string_view bytes);

// The file's text as UTF-8, without a BOM.
std::string DecodeText(std::string_view bytes, TextEncoding encoding);

// The bytes to write for UTF-8 text in the given encoding (adds the BOM for Utf8Bom).
// False with *err when the text is not valid UTF-8 or holds a character Windows-1252
// cannot store; nothing should be written then.
bool EncodeText(std::string_view utf8, TextEncoding encoding, std::string* bytes, std::string* err);

// Appends the UTF-8 form of a code point.
void AppendUtf8(char32_t code_point, std::string* out);

// Decodes the UTF-8 sequence at text[*pos] and advances *pos; returns U+FFFD and moves one
// byte on for a malformed sequence.
char32_t NextCodePoint(std::string_view text, size_t* pos);

// The character a Windows-1252 byte stands for.
char32_t Windows1252ToUnicode(unsigned char byte);

// The line break a file uses: that of its first line, CRLF when it has none.
std::string_view LineBreakOf(std::string_view text);

// "path:line:column" of a byte offset; the column counts characters of the encoding.
std::string SourceLocation(const std::string& path, std::string_view text, size_t offset,
                           TextEncoding encoding);

}  // namespace ide
