// FormWindow: a platform window shown on the screen. Every control of the form gets a Qt
// peer at its bounds; the peers raise the platform's events and follow its properties.
#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

#include "platform/component.h"

class QEventLoop;

namespace platform {
class TCustomForm;
class TControl;
}  // namespace platform

namespace gui {

class ControlPeer;
class WindowSystem;

class FormWindow : public QWidget, public platform::ComponentPeer {
 public:
  FormWindow(platform::TCustomForm& form, WindowSystem& system);
  ~FormWindow() override;

  // The form, or nullptr once it is gone.
  platform::TCustomForm* Form() const { return form_; }
  // Shows the window as the form's style and position say.
  void ShowWindow();
  // The peer of the control of that name (letter case ignored), or nullptr.
  ControlPeer* PeerOf(const std::string& name) const;
  // The Qt widget of the named control, or nullptr (for tests and screenshots).
  QWidget* WidgetOf(const std::string& name) const;

  // Brings every peer up to date with its control; new controls get peers.
  void SyncAll();
  bool Dirty() const { return dirty_; }
  void MarkDirty() { dirty_ = true; }
  // A user event reached the platform: bring the windows up to date and end the modal
  // loop when the form has a modal result.
  void AfterEvent();
  void SetModalLoop(QEventLoop* loop) { modal_loop_ = loop; }
  // Lets go of the form and its controls (the form is gone or the system closes).
  void Detach();

  // platform::ComponentPeer
  void PropertyChanged(platform::TComponent& component, std::string_view name) override;
  void ComponentDestroyed(platform::TComponent& component) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class ControlPeer;
  void AddPeers(platform::TControl& parent_control, QWidget* parent_widget);
  void ForgetPeer(ControlPeer* peer);
  QWidget* ClientWidgetOf(platform::TControl* control) const;

  platform::TCustomForm* form_;
  WindowSystem& system_;
  std::vector<std::unique_ptr<ControlPeer>> peers_;
  QEventLoop* modal_loop_ = nullptr;
  bool dirty_ = false;
  bool syncing_ = false;
};

}  // namespace gui
