// zori snippets groups | list | find | show | add | delete: the code snippet library and
// its finder worked from the command line, through the windows a user would work.
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// Adds the "snippets" subcommand; its callbacks store the exit code in exit_code.
void AddSnippetsCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
