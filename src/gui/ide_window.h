// IdeWindow: the main window standing in for the IDE. It shows the host's main menu (the
// add-in's "&ZORI" included once its start-up tick has built it), the project's units and
// forms, the open form on a design surface and the open unit's source, whose cursor is the
// host's edit-view cursor. Closing with unsaved changes asks first.
#pragma once

#include <QMainWindow>

#include <string>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QTreeWidget;

namespace ide {
class DiskHost;
}
namespace platform {
class TMenuItem;
}

namespace gui {

class DesignSurface;

class IdeWindow : public QMainWindow {
 public:
  explicit IdeWindow(ide::DiskHost& host);
  ~IdeWindow() override;

  // Opens module index: its form on the design surface, its source in the code pane; it
  // becomes the host's current module.
  void OpenModule(int index);
  // Opens the module whose unit is named unit (a name or a path, letter case ignored);
  // false when there is none.
  bool OpenUnit(const std::string& unit);
  // Puts the code pane's cursor, and so the edit view's, at the start of line (1-based).
  void SetCursorLine(int line);
  // Shows what the add-in and the designer changed: the menu, the form, the source.
  void Refresh();

  DesignSurface& Surface() { return *surface_; }
  QPlainTextEdit& CodePane() { return *code_; }
  QTreeWidget& ProjectTree() { return *tree_; }
  QTabWidget& Pages() { return *pages_; }
  // The Qt action of the platform menu item (for tests), or nullptr.
  QAction* ActionOf(const platform::TMenuItem* item) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  std::string MenuFingerprint() const;
  void FillTree();
  void ShowSource();
  void CursorMoved();

  ide::DiskHost& host_;
  DesignSurface* surface_;
  QPlainTextEdit* code_;
  QTreeWidget* tree_;
  QTabWidget* pages_;
  QLabel* status_;
  std::string menu_print_;
  std::string shown_text_;
  int module_ = -1;
  bool showing_source_ = false;
};

}  // namespace gui
