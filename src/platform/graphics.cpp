#include "platform/graphics.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/exceptions.h"
#include "platform/variant.h"

namespace platform {

namespace {

constexpr std::array<std::pair<TColor, const char*>, 42> kColorNames = {{
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"},
    {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {0x1FFFFFFF, "clNone"},
    {0x20000000, "clDefault"},
    {static_cast<TColor>(0x80000000), "clScrollBar"},
    {static_cast<TColor>(0x80000001), "clBackground"},
    {static_cast<TColor>(0x80000002), "clActiveCaption"},
    {static_cast<TColor>(0x80000003), "clInactiveCaption"},
    {static_cast<TColor>(0x80000004), "clMenu"},
    {static_cast<TColor>(0x80000005), "clWindow"},
    {static_cast<TColor>(0x80000006), "clWindowFrame"},
    {static_cast<TColor>(0x80000007), "clMenuText"},
    {static_cast<TColor>(0x80000008), "clWindowText"},
    {static_cast<TColor>(0x80000009), "clCaptionText"},
    {static_cast<TColor>(0x8000000A), "clActiveBorder"},
    {static_cast<TColor>(0x8000000B), "clInactiveBorder"},
    {static_cast<TColor>(0x8000000C), "clAppWorkSpace"},
    {static_cast<TColor>(0x8000000D), "clHighlight"},
    {static_cast<TColor>(0x8000000E), "clHighlightText"},
    {static_cast<TColor>(0x8000000F), "clBtnFace"},
    {static_cast<TColor>(0x80000010), "clBtnShadow"},
    {static_cast<TColor>(0x80000011), "clGrayText"},
    {static_cast<TColor>(0x80000012), "clBtnText"},
    {static_cast<TColor>(0x80000018), "clInfoBk"},
}};

}  // namespace

std::string ColorToString(TColor color) {
  for (const auto& [value, name] : kColorNames) {
    if (value == color) return name;
  }
  return std::to_string(color);
}

TColor StringToColor(const std::string& text) {
  for (const auto& [value, name] : kColorNames) {
    if (SameTextAscii(name, text)) return value;
  }
  int32_t value = 0;
  if (!TryStrToInt(text, value)) {
    throw EConvertError("'" + text + "' is not a valid colour");
  }
  return value;
}

TBitmap::TBitmap(int32_t width, int32_t height, uint32_t fill) {
  SetSize(width, height);
  std::fill(pixels_.begin(), pixels_.end(), fill);
}

void TBitmap::SetSize(int32_t width, int32_t height) {
  width = std::max(0, width);
  height = std::max(0, height);
  std::vector<uint32_t> resized(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  for (int32_t y = 0; y < std::min(height, height_); ++y) {
    for (int32_t x = 0; x < std::min(width, width_); ++x) {
      resized[static_cast<size_t>(y) * width + x] = pixels_[static_cast<size_t>(y) * width_ + x];
    }
  }
  width_ = width;
  height_ = height;
  pixels_ = std::move(resized);
}

uint32_t TBitmap::Pixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

void TBitmap::SetPixel(int32_t x, int32_t y, uint32_t argb) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = argb;
}

void TBitmap::Assign(const TBitmap& other) {
  width_ = other.width_;
  height_ = other.height_;
  pixels_ = other.pixels_;
}

}  // namespace platform
