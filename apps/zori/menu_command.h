// zori menu: loads the add-in into the IDE host, lets the start-up timer fire and prints
// the IDE main menu with the tool menu "&ZORI" in place.
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// Adds the "menu" subcommand; its callback stores the exit code in exit_code.
void AddMenuCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
