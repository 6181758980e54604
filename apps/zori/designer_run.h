// Running the add-in's designer tools over a project on disk, as a user would in the IDE:
// the package is loaded and registered, its tool menu is built, each form in turn becomes
// the current module, and afterwards only the files whose bytes changed are written.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "addin_session.h"
#include "host_session.h"

namespace zori::cli {

struct Context;

class DesignerRun {
 public:
  explicit DesignerRun(Context& context);
  ~DesignerRun();
  DesignerRun(const DesignerRun&) = delete;
  DesignerRun& operator=(const DesignerRun&) = delete;

  // Loads the package, opens the project at paths (ancestor forms also looked for in
  // search_paths) and builds the tool menu. False when the package or an input could not
  // be had; the reasons are in Errors(). With one_at_a_time the units are only listed and
  // ForEachForm opens each alone (for runs that change nothing across forms).
  bool Open(const std::vector<std::string>& paths, const std::vector<std::string>& class_tables,
            const std::vector<std::string>& search_paths = {}, bool one_at_a_time = false);

  ide::DiskHost& Host() { return *project_.host; }
  const std::vector<std::string>& Errors() const { return project_.errors; }

  // Whether the project has units at all (open or listed).
  bool HasUnits() const;
  // Calls visit with the module index of each unit that has a form, in the project's order
  // with ancestor forms before the forms that inherit from them;
  // a listed unit is open only during its visit. A unit that cannot be read adds its
  // message to Errors().
  void ForEachForm(const std::function<void(int index)>& visit);

  // Writes every module a tool changed whose form or unit now differs from its file;
  // a module marked modified whose text is unchanged is left alone. Prints "wrote FILE" for
  // each file written and adds their count to *written; false when a module could not be
  // written (each said as "zori COMMAND: ..." on stderr), with *changed_on_disk set when a
  // file was not saved over because it changed on disk.
  bool SaveChanged(const std::string& command, size_t* written, bool* changed_on_disk);

 private:
  Context& context_;
  AddinSession session_;
  HostSession project_;
};

}  // namespace zori::cli
