#include "core/xpm_image.h"

#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "platform/graphics.h"

namespace {

// One quoted string of the file with where it starts.
struct Quoted {
  std::string text;
  int line = 0;
  int column = 0;
};

std::string Where(const std::string& path, int line, int column) {
  return path + ":" + std::to_string(line) + ":" + std::to_string(column) + ": ";
}

bool ParseColour(const std::string& colour, uint32_t& argb) {
  if (colour == "None" || colour == "none") {
    argb = 0;
    return true;
  }
  if (colour.size() != 7 || colour[0] != '#') return false;
  uint32_t rgb = 0;
  for (size_t i = 1; i < colour.size(); ++i) {
    const char c = colour[i];
    int digit = (c >= '0' && c <= '9')   ? c - '0'
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                         : -1;
    if (digit < 0) return false;
    rgb = rgb * 16 + static_cast<uint32_t>(digit);
  }
  argb = 0xFF000000u | rgb;
  return true;
}

}  // namespace

bool FN_Le_Xpm(const std::string& path, platform::TBitmap& bitmap, std::string* err) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *err = path + ":1:1: expected an XPM picture, found no readable file";
    return false;
  }
  // Collect the quoted strings in order; everything else (the C wrapper) is ignored.
  std::vector<Quoted> strings;
  std::string line_text;
  int line = 0;
  while (std::getline(in, line_text)) {
    ++line;
    size_t pos = 0;
    while ((pos = line_text.find('"', pos)) != std::string::npos) {
      const size_t end = line_text.find('"', pos + 1);
      if (end == std::string::npos) {
        *err = Where(path, line, static_cast<int>(pos) + 1) +
               "expected a closing quote, found the end of the line";
        return false;
      }
      strings.push_back(
          {line_text.substr(pos + 1, end - pos - 1), line, static_cast<int>(pos) + 2});
      pos = end + 1;
    }
  }
  if (strings.empty()) {
    *err = Where(path, line == 0 ? 1 : line, 1) + "expected the XPM values line, found none";
    return false;
  }
  int width = 0, height = 0, colours = 0, per_pixel = 0;
  {
    std::istringstream values(strings[0].text);
    if (!(values >> width >> height >> colours >> per_pixel) || width <= 0 || height <= 0 ||
        colours <= 0 || per_pixel <= 0) {
      *err = Where(path, strings[0].line, strings[0].column) +
             "expected \"width height colours chars-per-pixel\", found \"" + strings[0].text + "\"";
      return false;
    }
  }
  if (static_cast<int>(strings.size()) < 1 + colours + height) {
    const Quoted& last = strings.back();
    *err = Where(path, last.line, last.column) + "expected " + std::to_string(colours) +
           " colours and " + std::to_string(height) + " rows, found " +
           std::to_string(strings.size() - 1) + " strings";
    return false;
  }
  std::map<std::string, uint32_t> palette;
  for (int i = 1; i <= colours; ++i) {
    const Quoted& entry = strings[i];
    const std::string key = entry.text.substr(0, per_pixel);
    std::istringstream rest(entry.text.size() > static_cast<size_t>(per_pixel)
                                ? entry.text.substr(per_pixel)
                                : std::string());
    std::string kind, colour;
    uint32_t argb = 0;
    if (!(rest >> kind >> colour) || kind != "c" || !ParseColour(colour, argb)) {
      *err = Where(path, entry.line, entry.column) +
             "expected a colour \"<chars> c #RRGGBB\" or \"c None\", found \"" + entry.text + "\"";
      return false;
    }
    palette[key] = argb;
  }
  platform::TBitmap picture(width, height);
  for (int y = 0; y < height; ++y) {
    const Quoted& row = strings[1 + colours + y];
    if (row.text.size() != static_cast<size_t>(width * per_pixel)) {
      *err = Where(path, row.line, row.column) + "expected " + std::to_string(width) +
             " pixels, found " + std::to_string(row.text.size() / per_pixel);
      return false;
    }
    for (int x = 0; x < width; ++x) {
      auto found = palette.find(row.text.substr(x * per_pixel, per_pixel));
      if (found == palette.end()) {
        *err = Where(path, row.line, row.column + x * per_pixel) +
               "expected a colour of the palette, found \"" +
               row.text.substr(x * per_pixel, per_pixel) + "\"";
        return false;
      }
      picture.SetPixel(x, y, found->second);
    }
  }
  bitmap.Assign(picture);
  return true;
}
