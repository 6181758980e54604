// zori layout: the layout profile over a project's IDE windows (placed from its .dsk):
// "save" stores their places in the package directory's ZORIIDEx_LP.xml, "apply" moves
// them to the stored places and writes the changed places back into the .dsk.
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// Adds the "layout" subcommand; its callback stores the exit code in exit_code.
void AddLayoutCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
