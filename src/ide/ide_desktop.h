// IdeDesktop: the IDE's own windows as forms on the platform's screen: the main window
// (AppBuilder) holding the main menu, and the windows the project's desktop file places,
// or a default set without one. Changed places are written back to the desktop file.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ide/dsk_file.h"

namespace platform {
class TForm;
class TMainMenu;
}  // namespace platform

namespace ide {

class FileSystem;

class IdeDesktop {
 public:
  // Creates the main window with its menu; the other windows come with Load.
  IdeDesktop();
  ~IdeDesktop();
  IdeDesktop(const IdeDesktop&) = delete;
  IdeDesktop& operator=(const IdeDesktop&) = delete;

  platform::TForm& MainWindow() { return *main_; }
  platform::TMainMenu* MainMenu() { return menu_; }

  // Places the IDE's windows as the desktop file at path says, or as the IDE's default
  // desktop when path is empty. False with *err when the file cannot be read; the default
  // desktop is used then.
  bool Load(FileSystem& fs, const std::string& path, std::string* err);
  // Writes the places of windows that moved, resized, showed, hid or changed state back
  // into the desktop file; nothing without a file or a change. False with *err when the
  // write failed.
  bool Save(FileSystem& fs, std::string* err);

  // The desktop file loaded, or nullptr when the default desktop is in use.
  const DskFile* File() const { return dsk_.get(); }

  // The IDE window with that component name (letter case ignored), or nullptr.
  platform::TForm* Window(std::string_view name) const;
  int WindowCount() const { return static_cast<int>(windows_.size()); }

 private:
  struct Placed {
    platform::TForm* form;
    DskWindow as_loaded;
  };
  platform::TForm* Place(const DskWindow& window);

  std::unique_ptr<platform::TForm> main_;
  platform::TMainMenu* menu_ = nullptr;
  std::vector<std::unique_ptr<platform::TForm>> others_;
  std::vector<Placed> windows_;
  std::unique_ptr<DskFile> dsk_;
  std::string dsk_path_;
};

// The component name of the IDE window a desktop section places ("Main Window" is
// AppBuilder, "ObjectInspector" PropertyInspector, "EditWindow0" EditWindow_0, ...).
std::string IdeWindowName(std::string_view section);

}  // namespace ide
