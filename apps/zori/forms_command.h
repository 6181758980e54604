#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// zori forms [PROJECT]: the form lister's tree over the IDE's, the add-in's and the
// project's designed forms.
void AddFormsCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
