// zori parse: reads a declaration from a file or standard input and prints what the
// declaration parser makes of it, as one JSON object.
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// Adds the "parse" subcommand; its callback stores the exit code in exit_code.
void AddParseCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
