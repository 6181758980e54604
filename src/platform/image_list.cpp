#include "platform/image_list.h"

#include <stdexcept>

#include "platform/forms.h"

namespace platform {

TCustomImageList::TCustomImageList(const TClassInfo* cls)
    : TComponent(ClassOr(cls, "TCustomImageList")) {}

int TCustomImageList::Add(const TBitmap& image) {
  images_.emplace_back();
  TBitmap& copy = images_.back();
  copy.Assign(image);
  copy.SetSize(Width(), Height());
  return Count() - 1;
}

int TCustomImageList::AddImage(const TCustomImageList& source, int index) {
  return Add(source.images_.at(index));
}

void TCustomImageList::AddImages(const TCustomImageList& source) {
  // Copied first: source may be this list.
  const std::vector<TBitmap> images = source.images_;
  for (const TBitmap& image : images) Add(image);
}

void TCustomImageList::Delete(int index) {
  if (index < 0 || index >= Count()) {
    throw std::out_of_range("Image index out of range (" + std::to_string(index) + ")");
  }
  images_.erase(images_.begin() + index);
}

void TCustomImageList::Clear() {
  images_.clear();
}

bool TCustomImageList::GetBitmap(int index, TBitmap& dest) const {
  if (index < 0 || index >= Count()) return false;
  dest.Assign(images_[index]);
  return true;
}

void TCustomImageList::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  const bool size = SameTextAscii(name, "Width") || SameTextAscii(name, "Height");
  const int32_t before = size ? GetPropValue(name).AsInteger() : 0;
  TComponent::SetPropValue(name, value, strict);
  if (size && GetPropValue(name).AsInteger() != before) Clear();
}

TImageList::TImageList(const TClassInfo* cls) : TCustomImageList(ClassOr(cls, "TImageList")) {}

}  // namespace platform
