// zori settings and zori about: the settings dialog worked through the modal driver (the
// named controls set, OK pressed, every key written as the dialog writes it) and the about
// window's texts.
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// Adds the "settings" and "about" subcommands; their callbacks store the exit code.
void AddSettingsCommands(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
