#pragma once

namespace CLI {
class App;
}

namespace zori::cli {

struct Context;

// zori menus [--find CAPTION | --path 'File|Save All']: the IDE menu browser's tree, or
// the properties of the item it finds.
void AddMenusCommand(CLI::App& app, Context& context, int& exit_code);

}  // namespace zori::cli
