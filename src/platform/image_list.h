// The image list: a numbered set of equally sized pictures (menu and button images).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/component.h"
#include "platform/graphics.h"

namespace platform {

class TCustomImageList : public TComponent {
 public:
  explicit TCustomImageList(const TClassInfo* cls = nullptr);

  int32_t Width() const { return GetPropValue("Width").AsInteger(); }
  int32_t Height() const { return GetPropValue("Height").AsInteger(); }
  // Changing the size empties the list, as the platform does.
  void SetWidth(int32_t v) { SetPropValue("Width", v); }
  void SetHeight(int32_t v) { SetPropValue("Height", v); }
  int Count() const { return static_cast<int>(images_.size()); }

  // Appends a copy of image, cut or padded to the list's size; returns its index.
  int Add(const TBitmap& image);
  // Appends a copy of image index of another list; returns the new index.
  int AddImage(const TCustomImageList& source, int index);
  // Appends every image of another list.
  void AddImages(const TCustomImageList& source);
  void Delete(int index);
  void Clear();
  // Copies image index into dest (resized to the list's size); false when out of range.
  bool GetBitmap(int index, TBitmap& dest) const;
  // The image at index; std::out_of_range outside 0..Count-1.
  const TBitmap& Image(int index) const { return images_.at(index); }

  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 private:
  std::vector<TBitmap> images_;
};

class TImageList : public TCustomImageList {
 public:
  explicit TImageList(const TClassInfo* cls = nullptr);
};

}  // namespace platform
