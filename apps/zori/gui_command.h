// zori gui: the add-in's windows for real, in a main window that stands in for the IDE.
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

void AddGuiCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
