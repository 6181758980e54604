// ControlPeer: the Qt widget of one platform control. It shows the control's bounds,
// caption, font, colour, state and contents, and turns the user's clicks, typing and
// picks into the control's own events.
#pragma once

#include <QPointer>
#include <QWidget>

#include <string>

#include "platform/component.h"

namespace gui {

class FormWindow;

class ControlPeer : public platform::ComponentPeer {
 public:
  // Makes the widget for control under parent (the peer of the control's parent).
  ControlPeer(platform::TControl& control, QWidget* parent, FormWindow& window);
  ~ControlPeer() override;

  platform::TControl* Control() const { return control_; }
  QWidget* Widget() const { return widget_; }
  // The widget children are placed in (a group box's, a panel's, a page's).
  QWidget* ClientWidget() const { return client_ != nullptr ? client_ : widget_; }

  // Reads the control into the widget; signals are held back meanwhile.
  void Sync();

  void PropertyChanged(platform::TComponent& component, std::string_view name) override;
  void ComponentDestroyed(platform::TComponent& component) override;

 private:
  void Build(QWidget* parent);
  void SyncContent();
  // Runs a user event on the control: errors are shown, the windows catch up after it.
  void Raise(const std::function<void()>& action);

  platform::TControl* control_;
  FormWindow& window_;
  QPointer<QWidget> widget_;
  QPointer<QWidget> client_;  // the scrolled area of a scroll box; nullptr for the others
  std::string fingerprint_;   // of the contents last shown (tree nodes, grid rows, items)
};

}  // namespace gui
