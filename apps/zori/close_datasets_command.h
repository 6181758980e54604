// zori close-datasets: the dataset closer's unattended run (the one before a compile) over
// the given forms or project; prints what it switched off and writes the changed forms.
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

// One Boolean property the closer switched from true to false.
struct SwitchedOff {
  std::string unit;       // the unit's file
  std::string component;  // the component's name
  std::string class_name;
  std::string property;  // Active, Connected, ...
};

// Runs the closer and tells what went off: with index -1 unattended over every open form
// of host (the run before a compile), else on the form of module index alone, as the
// user does from the tool menu with that form current. The closer's own error (a missing
// class table, say) propagates.
std::vector<SwitchedOff> RunDatasetCloser(ide::DiskHost& host, int index);

// Adds the "close-datasets" subcommand; its callback stores the exit code in exit_code.
void AddCloseDatasetsCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
