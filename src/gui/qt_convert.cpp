#include "gui/qt_convert.h"

#include "platform/component.h"
#include "platform/graphics.h"
#include "platform/image_list.h"
#include "platform/menus.h"

namespace gui {

QString CaptionToQt(const std::string& caption) {
  return ToQt(caption);  // both use '&' for the accelerator and "&&" for a literal '&'
}

std::optional<QColor> ColorOf(const platform::TComponent& component, const char* property) {
  const std::string text = component.GetPropValue(property).AsString();
  if (text.empty()) return std::nullopt;
  platform::TColor color = 0;
  try {
    color = platform::StringToColor(text);
  } catch (const std::exception&) {
    return std::nullopt;  // a colour the platform cannot read is drawn in the style's own
  }
  if (color < 0 || color > 0xFFFFFF) return std::nullopt;  // system colours
  // TColor is 0x00BBGGRR.
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QImage ToImage(const platform::TBitmap& bitmap) {
  if (bitmap.Empty()) return {};
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_ARGB32);
  bool any_alpha = false;
  for (uint32_t p : bitmap.Pixels()) any_alpha = any_alpha || (p >> 24) != 0;
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int32_t x = 0; x < bitmap.Width(); ++x) {
      const uint32_t p = bitmap.Pixel(x, y);
      line[x] = any_alpha ? p : (p | 0xFF000000u);
    }
  }
  return image;
}

QIcon IconOf(const platform::TCustomImageList* images, int index) {
  if (images == nullptr || index < 0 || index >= images->Count()) return {};
  return QIcon(QPixmap::fromImage(ToImage(images->Image(index))));
}

QIcon GlyphIcon(const platform::TBitmap& glyph) {
  if (glyph.Empty()) return {};
  QImage image = ToImage(glyph);
  if (glyph.Width() > glyph.Height() && glyph.Height() > 0) {
    image = image.copy(0, 0, glyph.Height(), glyph.Height());
  }
  return QIcon(QPixmap::fromImage(image));
}

QKeySequence ToKeySequence(uint16_t shortcut) {
  if (shortcut == 0) return {};
  return QKeySequence::fromString(ToQt(platform::ShortCutToText(shortcut)),
                                  QKeySequence::PortableText);
}

uint16_t ShortCutOf(int qt_key, Qt::KeyboardModifiers modifiers) {
  int vk = 0;
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z)
    vk = 'A' + (qt_key - Qt::Key_A);
  else if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9)
    vk = '0' + (qt_key - Qt::Key_0);
  else if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24)
    vk = 0x70 + (qt_key - Qt::Key_F1);
  else {
    switch (qt_key) {
      case Qt::Key_Backspace:
        vk = 0x08;
        break;
      case Qt::Key_Tab:
        vk = 0x09;
        break;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        vk = 0x0D;
        break;
      case Qt::Key_Escape:
        vk = 0x1B;
        break;
      case Qt::Key_Space:
        vk = 0x20;
        break;
      case Qt::Key_PageUp:
        vk = 0x21;
        break;
      case Qt::Key_PageDown:
        vk = 0x22;
        break;
      case Qt::Key_End:
        vk = 0x23;
        break;
      case Qt::Key_Home:
        vk = 0x24;
        break;
      case Qt::Key_Left:
        vk = 0x25;
        break;
      case Qt::Key_Up:
        vk = 0x26;
        break;
      case Qt::Key_Right:
        vk = 0x27;
        break;
      case Qt::Key_Down:
        vk = 0x28;
        break;
      case Qt::Key_Insert:
        vk = 0x2D;
        break;
      case Qt::Key_Delete:
        vk = 0x2E;
        break;
      case Qt::Key_Shift:
      case Qt::Key_Control:
      case Qt::Key_Alt:
        vk = 0;
        break;
      default:
        return 0;
    }
  }
  uint16_t shortcut = static_cast<uint16_t>(vk);
  if (modifiers & Qt::ShiftModifier) shortcut |= platform::scShift;
  if (modifiers & Qt::ControlModifier) shortcut |= platform::scCtrl;
  if (modifiers & Qt::AltModifier) shortcut |= platform::scAlt;
  return shortcut;
}

}  // namespace gui
