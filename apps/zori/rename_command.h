// zori rename: the naming standardiser over the given forms or project. Prints the
// summary of suggested renames per form; --apply confirms them, reports the refused ones
// and writes the forms and units that changed (the unit's form class follows).
#pragma once

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace ide {
class DiskHost;
}

namespace zori::cli {

struct Context;

// One row of the summary window.
struct NameSuggestion {
  std::string unit;  // the unit's file
  std::string current;
  std::string suggested;
  bool refused = false;  // set after an applied run when the component kept its name
};

struct RenameOptions {
  bool apply = false;
  bool focus_label = true;  // the label rule
  bool data_field = true;   // the data-field rule
  // NAME=NEW (or NAME alone, keeping the suggestion): only these rows stay in the summary.
  std::vector<std::string> only;
};

// A message window the standardiser showed while working on a unit.
struct NameMessage {
  std::string unit;
  std::string text;
};

// Runs the standardiser on the form of module index of host, as a user would from the tool
// menu with the options set, and confirms the summary when options.apply (cancels it
// otherwise); returns the summary's rows (after --only) and adds the message windows
// shown to *messages. Errors of the add-in propagate.
std::vector<NameSuggestion> RunNamingStandard(ide::DiskHost& host, int index,
                                              const RenameOptions& options,
                                              std::vector<NameMessage>* messages);

// Adds the "rename" subcommand; its callback stores the exit code in exit_code.
void AddRenameCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
