// DesignSurface: the open form as the form designer shows it. Controls are drawn at their
// bounds (in the style of their class, or as a framed box with name and class), non-visual
// components as small tiles, the selection with grab handles. Clicks, shift-clicks and a
// rubber band (on the form, or with Ctrl inside a container) select through the form's
// designer, in order; dragging moves or sizes the
// selection through the designer, which marks the form modified.
#pragma once

#include <QWidget>

#include <functional>
#include <vector>

namespace platform {
class TComponent;
class TControl;
class TWinControl;
}  // namespace platform

namespace ide {
class FormEditor;
}

namespace gui {

class DesignSurface : public QWidget {
 public:
  explicit DesignSurface(QWidget* parent = nullptr);

  // The form to show; nullptr shows nothing.
  void SetForm(ide::FormEditor* editor);
  ide::FormEditor* Editor() const { return editor_; }

  // Where the component is drawn, in this widget's coordinates; empty when it is not
  // drawn (a control on a page not shown, a menu item).
  QRect RectOf(const platform::TComponent& component) const;
  // The component drawn topmost at point, the form itself when none, nullptr off the form.
  platform::TComponent* ComponentAt(const QPoint& point) const;
  // The designer's selection, in the order it was made.
  std::vector<platform::TComponent*> Selection() const;

  // Runs after the designer changed the selection or the form.
  std::function<void()> changed;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum class Drag { None, Move, Size, Band };
  struct Tile {
    platform::TComponent* component;
    QRect rect;
  };

  QRect ClientRect() const;
  QRect ControlRect(const platform::TControl& control) const;
  bool Shown(const platform::TControl& control) const;
  void PaintControl(QPainter& p, platform::TControl& control) const;
  void PaintChildren(QPainter& p, platform::TControl& parent) const;
  platform::TComponent* ControlAt(platform::TControl& parent, const QPoint& point) const;
  std::vector<Tile> Tiles() const;
  // The grab handle (0..7, clockwise from top-left) of the only selected control at point,
  // or -1.
  int HandleAt(const QPoint& point) const;
  void Select(platform::TComponent* component, bool add);
  void FinishMove();
  void FinishSize();
  void FinishBand();
  void SetProp(platform::TComponent& component, const char* name, int value);

  ide::FormEditor* editor_ = nullptr;
  Drag drag_ = Drag::None;
  QPoint press_;
  QPoint now_;
  int handle_ = -1;
  platform::TWinControl* band_parent_ = nullptr;  // where the band began
};

}  // namespace gui
