// zori check: opens a project and tells, per unit, whether it has a form, the form's root
// name and class and how many components, windowed controls and datasets it holds.
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// Adds the "check" subcommand; its callback stores the exit code in exit_code.
void AddCheckCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
