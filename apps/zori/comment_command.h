// zori comment: the editor's header-comment command on one unit, with the cursor on a
// given line or on a routine's declaration, and the comment manager filled from flags.
#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// Adds the "comment" subcommand; its callback stores the exit code in exit_code.
void AddCommentCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
