// The add-in behind the Qt front end: the package loaded, the project opened by the host,
// the Qt window system installed as the application's driver, the IDE stand-in shown and
// the add-in registered, so its start-up tick builds "&ZORI" on a Qt timer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "addin_session.h"

namespace ide {
class DiskHost;
}
namespace platform {
class TMenuItem;
class ModalDriver;
}  // namespace platform
namespace gui {
class IdeWindow;
class WindowSystem;
}  // namespace gui

namespace zori::cli {

struct Context;

class GuiSession {
 public:
  explicit GuiSession(Context& context);
  ~GuiSession();
  GuiSession(const GuiSession&) = delete;
  GuiSession& operator=(const GuiSession&) = delete;

  // Loads the package, opens the project at paths (none: the IDE alone), shows the main
  // window and registers the add-in. False with *err when the package directory cannot be
  // had or nothing of the project loads.
  bool Start(const std::vector<std::string>& paths, const std::vector<std::string>& search_paths,
             std::string* err);
  // Runs Qt's event loop until the tool menu is built or timeout_ms passes; false then.
  bool WaitForToolMenu(int timeout_ms);
  // The "&ZORI" item that opens the add-in window of that component name, or nullptr.
  platform::TMenuItem* MenuItemFor(const std::string& window_name) const;

  ide::DiskHost& Host() { return *host_; }
  gui::IdeWindow& Window() { return *window_; }
  gui::WindowSystem& System() { return *system_; }

 private:
  Context& context_;
  AddinSession addin_;
  std::unique_ptr<ide::DiskHost> host_;
  std::unique_ptr<gui::IdeWindow> window_;
  gui::WindowSystem* system_ = nullptr;
  std::unique_ptr<platform::ModalDriver> previous_driver_;
  bool started_ = false;
};

}  // namespace zori::cli
