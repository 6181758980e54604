// The IDE's open-tools interfaces: the only way the add-in reaches the IDE. Every interface
// is abstract; one host implements them. References are shared (std::shared_ptr) and the
// IDE's QueryInterface is a dynamic cast (Supports below), so a query that the object does
// not answer gives an empty reference.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace platform {
class TComponent;
class TMainMenu;
}  // namespace platform

namespace ide {

// Root of every interface: held by shared_ptr, never copied.
class IInterface {
 public:
  IInterface() = default;
  IInterface(const IInterface&) = delete;
  IInterface& operator=(const IInterface&) = delete;
  virtual ~IInterface() = default;
};

// The IDE's QueryInterface: the same object seen through interface T, or empty.
template <class T, class U>
std::shared_ptr<T> Supports(const std::shared_ptr<U>& reference) {
  return std::dynamic_pointer_cast<T>(reference);
}

class IOTAModule;
class IOTAProject;

// --- notifiers --------------------------------------------------------------------------

// What the IDE tells every notifier about the object it is attached to.
class IOTANotifier : public virtual IInterface {
 public:
  virtual void AfterSave() = 0;
  virtual void BeforeSave() = 0;
  virtual void Destroyed() = 0;
  virtual void Modified() = 0;
};

// Codes of FileNotification, in the IDE's order.
enum TOTAFileNotification : int32_t {
  ofnFileOpening = 0,
  ofnFileOpened = 1,
  ofnFileClosing = 2,
  ofnDefaultDesktopLoad = 3,
  ofnDefaultDesktopSave = 4,
  ofnProjectDesktopLoad = 5,  // sent when a project has been loaded
  ofnProjectDesktopSave = 6,
  ofnPackageInstalled = 7,
  ofnPackageUninstalled = 8,
};

// IDE-wide events. Setting cancel stops the operation (the host honours it).
class IOTAIDENotifier : public virtual IOTANotifier {
 public:
  virtual void FileNotification(TOTAFileNotification notify_code, const std::string& file_name,
                                bool& cancel) = 0;
  virtual void BeforeCompile(const std::shared_ptr<IOTAProject>& project, bool& cancel) = 0;
  virtual void AfterCompile(bool succeeded) = 0;
};

// The later form of the compile events, with the code-insight flag; the host calls these
// on notifiers that answer this interface, the older ones otherwise.
class IOTAIDENotifier50 : public virtual IOTAIDENotifier {
 public:
  using IOTAIDENotifier::AfterCompile;
  using IOTAIDENotifier::BeforeCompile;
  virtual void BeforeCompile(const std::shared_ptr<IOTAProject>& project, bool is_code_insight,
                             bool& cancel) = 0;
  virtual void AfterCompile(bool succeeded, bool is_code_insight) = 0;
};

// Base class of notifiers: the object-level events do nothing.
class TNotifierObject : public virtual IOTANotifier {
 public:
  void AfterSave() override {}
  void BeforeSave() override {}
  void Destroyed() override {}
  void Modified() override {}
};

// --- services -----------------------------------------------------------------------------

// The global services object; query it for the services below.
class IBorlandIDEServices : public virtual IInterface {};

class IOTAServices : public virtual IInterface {
 public:
  // Registers a notifier and returns its index (>= 0), used to remove it again.
  virtual int AddNotifier(const std::shared_ptr<IOTAIDENotifier>& notifier) = 0;
  // Removes the notifier registered under index; an unknown index does nothing.
  virtual void RemoveNotifier(int index) = 0;
};

// Services that hand out the IDE's own component-library objects.
class INTAServices : public virtual IInterface {
 public:
  // The IDE main menu; item 0 is the File menu, which holds FileSaveAllItem.
  virtual platform::TMainMenu* GetMainMenu() = 0;
};

class IOTAModuleServices : public virtual IInterface {
 public:
  // The module the user works in, or empty when none is open.
  virtual std::shared_ptr<IOTAModule> CurrentModule() = 0;
  virtual int GetModuleCount() = 0;
  // The open module at index (0-based), or empty outside 0..count-1.
  virtual std::shared_ptr<IOTAModule> GetModule(int index) = 0;
};

// --- modules and editors -------------------------------------------------------------------

class IOTAEditor : public virtual IInterface {
 public:
  virtual std::string GetFileName() = 0;
  virtual std::shared_ptr<IOTAModule> GetModule() = 0;
  virtual bool GetModified() = 0;
  // Marks the file modified so the next save writes it.
  virtual void MarkModified() = 0;
};

// A unit (or project) open in the IDE: its file editors, source first, then the form.
class IOTAModule : public virtual IInterface {
 public:
  virtual std::string GetFileName() = 0;
  virtual int GetModuleFileCount() = 0;
  // The editor of file index (0-based), or empty outside 0..count-1.
  virtual std::shared_ptr<IOTAEditor> GetModuleFileEditor(int index) = 0;
  // Writes the module's modified files (all of them when force_save); change_name asks
  // for a new name, which a host without dialogs refuses. False when a write failed.
  virtual bool Save(bool change_name, bool force_save) = 0;
};

// The project being compiled; its file name is the .dpr (or the folder loaded).
class IOTAProject : public virtual IOTAModule {};

// --- form designer --------------------------------------------------------------------------

// The typed buffer of property access: the alternative held says which kind is wanted
// (32-bit integer, text, Boolean) and receives the value.
using TPropBuffer = std::variant<int32_t, std::string, bool>;

// A component on the designed form, as the designer sees it.
class IOTAComponent : public virtual IInterface {
 public:
  // The class name of the component.
  virtual std::string GetComponentType() = 0;
  // Reads a published property into value, converted to value's kind; false when the
  // component has no such property or its value does not convert.
  virtual bool GetPropValueByName(const std::string& name, TPropBuffer& value) = 0;
  // Writes a published property from value; false when refused (unknown, read-only,
  // invalid value). Setting Name renames the component and raises an error on an invalid
  // or duplicate name.
  virtual bool SetPropByName(const std::string& name, const TPropBuffer& value) = 0;
  // Selects the component in the designer; without add_to_selection it becomes the only
  // selected one.
  virtual bool Select(bool add_to_selection) = 0;
};

// The live object behind a designer component.
class INTAComponent : public virtual IInterface {
 public:
  virtual platform::TComponent* GetComponent() = 0;
};

class IOTAFormEditor : public virtual IOTAEditor {
 public:
  // The form (or data module) itself.
  virtual std::shared_ptr<IOTAComponent> GetRootComponent() = 0;
  // The component of that name (letter case ignored), or empty.
  virtual std::shared_ptr<IOTAComponent> FindComponent(const std::string& name) = 0;
  virtual int GetSelCount() = 0;
  // The index-th selected component in selection order, or empty outside 0..count-1.
  virtual std::shared_ptr<IOTAComponent> GetSelComponent(int index) = 0;
};

// The designer of a form, as the component library's property editors see it.
class IFormDesigner : public virtual IInterface {
 public:
  virtual platform::TComponent* GetRoot() = 0;
  // Tells the designer the form changed.
  virtual void Modified() = 0;
};

class INTAFormEditor : public virtual IInterface {
 public:
  virtual std::shared_ptr<IFormDesigner> GetFormDesigner() = 0;
};

// --- source editor ------------------------------------------------------------------------
// Offsets and counts are in characters (code points) of the buffer, line breaks included.

class IOTAEditReader : public virtual IInterface {
 public:
  // Replaces buffer with up to count characters from position; returns how many were
  // copied (0 at or past the end).
  virtual int GetText(int position, std::string& buffer, int count) = 0;
};

// One undoable change: the writer moves forward through the original text only.
class IOTAEditWriter : public virtual IInterface {
 public:
  // Advances to position of the original text, keeping the text passed over.
  virtual void CopyTo(int position) = 0;
  // Inserts text at the current position.
  virtual void Insert(const std::string& text) = 0;
  // Advances to position of the original text, removing the text passed over.
  virtual void DeleteTo(int position) = 0;
  // The current position in the original text.
  virtual int CurrentPos() = 0;
};

struct TOTAEditPos {
  int Col = 1;   // 1-based column
  int Line = 1;  // 1-based line
};

// The buffer's edit position: moves and deletes in the text of the buffer.
class IOTAEditPosition : public virtual IInterface {
 public:
  // Moves to the first column of line (1-based), and the cursor of view 0 with it.
  virtual bool GotoLine(int line) = 0;
  // Moves to line and column (both 1-based).
  virtual bool Move(int line, int column) = 0;
  // Deletes count characters from the position on (a line break counts as one).
  virtual void Delete(int count) = 0;
  virtual int GetRow() = 0;
  virtual int GetColumn() = 0;
};

class IOTAEditBuffer;

class IOTAEditView : public virtual IInterface {
 public:
  virtual TOTAEditPos GetCursorPos() = 0;
  virtual void SetCursorPos(const TOTAEditPos& pos) = 0;
  virtual std::shared_ptr<IOTAEditBuffer> GetBuffer() = 0;
};

class IOTASourceEditor : public virtual IOTAEditor {
 public:
  virtual std::shared_ptr<IOTAEditReader> CreateReader() = 0;
  // A writer whose changes form one undo step, closed when the writer is released.
  virtual std::shared_ptr<IOTAEditWriter> CreateUndoableWriter() = 0;
  virtual int GetEditViewCount() = 0;
  // The index-th view of the buffer, or empty outside 0..count-1.
  virtual std::shared_ptr<IOTAEditView> GetEditView(int index) = 0;
};

// --- key bindings ---------------------------------------------------------------------------

// What a key-binding handler tells the editor about the key it was given.
enum TKeyBindingResult : int32_t { krUnhandled = 0, krHandled = 1, krNextProc = 2 };

// The editor's state when a bound key is pressed.
class IOTAKeyContext : public virtual IInterface {};

// A key code with its shift state, as the platform's shortcuts are coded.
using TShortCut = uint16_t;

class IOTAEditBuffer : public virtual IOTASourceEditor {
 public:
  virtual std::shared_ptr<IOTAEditPosition> GetEditPosition() = 0;
};

// The IDE's global services object: set by the host while it runs, empty otherwise.
extern std::shared_ptr<IBorlandIDEServices> BorlandIDEServices;

}  // namespace ide
