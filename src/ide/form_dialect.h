// FormDialect: the Delphi (.dfm) and Lazarus (.lfm) text form formats share one object
// syntax and one reader and writer; every rule in which they differ is named here.
#pragma once

#include <array>
#include <string_view>

namespace ide {

enum class FormDialect { Delphi, Lazarus };

// Lazarus for a .lfm file (letter case ignored), else Delphi.
FormDialect DialectOfFormFile(std::string_view path);

// Raw text in quotes: a .lfm holds UTF-8 whatever its bytes look like; a .dfm is read in the
// encoding its bytes show (Windows-1252 unless they are UTF-8).
bool QuotedTextIsAlwaysUtf8(FormDialect dialect);

// Writing strings: Lazarus writes every character from U+0020 on as itself (UTF-8) in
// quotes, on one line; Delphi writes printable ASCII in quotes and every other character
// as #code, splitting strings over 64 characters with " +". Both read #code as a UTF-16
// unit (#55357#56832 is one character) and write control characters as #code.
bool WritesTextAsUtf8(FormDialect dialect);

// The order in which the designer writes a control's position (Lazarus: Left, Height, Top,
// Width; Delphi: Left, Top, Width, Height); a position property added to an object takes
// its place among the others.
const std::array<std::string_view, 4>& PositionOrder(FormDialect dialect);

}  // namespace ide
