// The IDE main menu as the IDE's main window holds it: File, Edit, Search, View, Project,
// Run, Component, Database, Tools, Window and Help, with component names, captions,
// shortcuts, image indices, hints and the actions of the IDE's commands, and the image list
// its items' pictures come from.
#pragma once

namespace platform {
class TComponent;
class TMainMenu;
}  // namespace platform

namespace ide {

// Builds the menu on owner (the main window): the menu, its items and the actions they
// run are owned by owner. The actions have no handlers; the host gives the commands it
// carries out one (FileSaveAllCommand, FileSaveCommand, ProjectCompileCommand).
platform::TMainMenu* BuildIdeMainMenu(platform::TComponent& owner);

}  // namespace ide
