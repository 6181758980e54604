// zori catalogue get FORM PATH: prints the text the add-in's windows get from the text
// catalogue for a window name and a component path ("" for texts outside any window).
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// Adds the "catalogue" subcommand; its callback stores the exit code in exit_code.
void AddCatalogueCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
