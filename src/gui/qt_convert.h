// Conversions at the edge between the platform's values and Qt's: text, colours, pictures,
// shortcuts. Nothing below gui/ sees the Qt side.
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QKeySequence>
#include <QString>

#include <optional>
#include <string>

namespace platform {
class TBitmap;
class TComponent;
class TCustomImageList;
}  // namespace platform

namespace gui {

inline QString ToQt(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQt(const QString& text) {
  return text.toStdString();
}

// A caption with the platform's accelerator markers as Qt shows them ("&&" stays "&&").
QString CaptionToQt(const std::string& caption);

// The colour a colour property names, or nullopt for the system colours (clBtnFace,
// clWindow ...) that the style already draws.
std::optional<QColor> ColorOf(const platform::TComponent& component, const char* property);

// The pixels of a bitmap (0xAARRGGBB); a bitmap whose pixels are all transparent is taken
// as opaque, as bitmaps read without an alpha channel are.
QImage ToImage(const platform::TBitmap& bitmap);
// The picture at index of images, or a null icon outside the list.
QIcon IconOf(const platform::TCustomImageList* images, int index);
// A button glyph: the first of the frames laid side by side (a square frame each).
QIcon GlyphIcon(const platform::TBitmap& glyph);

// The platform's 16-bit shortcut as a key sequence (empty for none).
QKeySequence ToKeySequence(uint16_t shortcut);
// The platform's shortcut for a key press (virtual key plus modifier flags); 0 when the
// key has no virtual-key code here.
uint16_t ShortCutOf(int qt_key, Qt::KeyboardModifiers modifiers);

}  // namespace gui
