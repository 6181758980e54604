// Reading the add-in's pictures (menu pictures, the warning sign) from XPM text files.
#pragma once

#include <string>

namespace platform {
class TBitmap;
}

// Reads an XPM picture (one character per pixel or more, colours "#RRGGBB" or "None")
// into bitmap as 0xAARRGGBB pixels, "None" transparent. On a fault returns false, leaves
// bitmap alone and fills err with "file:line:column: what was expected, what was found".
bool FN_Le_Xpm(const std::string& path, platform::TBitmap& bitmap, std::string* err);
