// zori compile: the gate a build script puts before the real compiler. The project is
// loaded with its forms open in the designer and the IDE's before-compile notification is
// raised through the add-in; when the compile may proceed the modified forms are saved,
// as the IDE's compile does, and the exit code is 0; when the add-in cancels it nothing
// is written and the exit code is 1. Nothing is compiled.
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// Adds the "compile" subcommand; its callback stores the exit code in exit_code.
void AddCompileCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
