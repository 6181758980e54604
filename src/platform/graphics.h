// Colours, bitmaps and pictures: what labels, images, glyphs and image lists hold.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/component.h"

namespace platform {

// A colour as the platform writes it: $00BBGGRR, or a negative system colour.
using TColor = int32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNone = 0x1FFFFFFF;

// The colour's identifier ("clBlue", "clBtnFace") when it has one, else its number.
std::string ColorToString(TColor color);
// An identifier or a number ($hex allowed); raises EConvertError otherwise.
TColor StringToColor(const std::string& text);

// A small pixel buffer: width x height pixels of 0xAARRGGBB, row by row.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int32_t width, int32_t height, uint32_t fill = 0);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // Resizes, keeping the pixels that still fit; new pixels are 0.
  void SetSize(int32_t width, int32_t height);
  uint32_t Pixel(int32_t x, int32_t y) const;
  void SetPixel(int32_t x, int32_t y, uint32_t argb);
  void Assign(const TBitmap& other);
  void Clear() { SetSize(0, 0); }
  const std::vector<uint32_t>& Pixels() const { return pixels_; }
  bool operator==(const TBitmap& other) const = default;

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint32_t> pixels_;
};

// The picture of an image control: a bitmap, or nothing.
class TPicture {
 public:
  TBitmap& Bitmap() { return bitmap_; }
  const TBitmap& Bitmap() const { return bitmap_; }
  void Assign(const TBitmap& bitmap) { bitmap_.Assign(bitmap); }
  bool Empty() const { return bitmap_.Empty(); }

 private:
  TBitmap bitmap_;
};

}  // namespace platform
