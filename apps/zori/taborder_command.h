// zori taborder: the tab-order validator on every form of the given projects or units:
// prints the suggested order per container and whether it differs from the form's; with
// --apply it presses OK on the forms that differ and saves them.
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// Adds the "taborder" subcommand; its callback stores the exit code in exit_code.
void AddTabOrderCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
