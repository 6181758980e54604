#include "gui/screenshot.h"

#include <QPainter>
#include <QWidget>

namespace gui {

QImage Screenshot(QWidget& main, QWidget* window) {
  QImage image = main.grab().toImage().convertToFormat(QImage::Format_ARGB32);
  if (window == nullptr) return image;
  const QImage inner = window->grab().toImage();
  const int caption = 22;
  const int frame = 3;
  const QSize outer(inner.width() + 2 * frame, inner.height() + caption + frame);
  if (outer.width() > image.width() || outer.height() > image.height()) {
    // A window larger than the main one: the picture grows to hold it.
    QImage bigger(std::max(outer.width() + 40, image.width()),
                  std::max(outer.height() + 40, image.height()), QImage::Format_ARGB32);
    bigger.fill(Qt::darkGray);
    QPainter p(&bigger);
    p.drawImage(0, 0, image);
    p.end();
    image = bigger;
  }
  const QPoint at((image.width() - outer.width()) / 2, (image.height() - outer.height()) / 2);
  QPainter p(&image);
  p.fillRect(QRect(at + QPoint(4, 4), outer), QColor(0, 0, 0, 60));  // shadow
  p.fillRect(QRect(at, outer), QColor(64, 64, 64));
  p.fillRect(QRect(at + QPoint(1, 1), QSize(outer.width() - 2, caption - 1)), QColor(0, 0, 128));
  p.setPen(Qt::white);
  QFont bold = p.font();
  bold.setBold(true);
  p.setFont(bold);
  p.drawText(QRect(at.x() + 8, at.y(), outer.width() - 16, caption), Qt::AlignVCenter,
             window->windowTitle());
  p.drawImage(at + QPoint(frame, caption), inner);
  return image;
}

}  // namespace gui
