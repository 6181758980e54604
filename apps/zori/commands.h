// Registration of the zori subcommands; each command lives in its own source file.
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// Adds every subcommand to app; a command's callback stores its exit code in exit_code.
void RegisterCommands(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
