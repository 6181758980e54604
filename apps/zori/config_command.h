// zori config list | get KEY | set KEY VALUE [--type boolean|integer|string]: reads and
// writes the add-in's configuration store in the package directory.
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// Adds the "config" subcommand; its callbacks store the exit code in exit_code.
void AddConfigCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
