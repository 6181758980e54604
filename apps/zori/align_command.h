// zori align: applies one rule of the alignment palette to named components of a form, as
// a user selecting them in the designer and pressing the palette's button would, then
// saves the form and prints the bounds that changed.
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// Adds the "align" subcommand; its callback stores the exit code in exit_code.
void AddAlignCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
