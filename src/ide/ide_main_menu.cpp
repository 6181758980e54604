#include "ide/ide_main_menu.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "platform/actions.h"
#include "platform/graphics.h"
#include "platform/image_list.h"
#include "platform/menus.h"

namespace ide {

namespace {

// One line per item, two blanks of indent per level:
// Name|Caption|ShortCut|ImageIndex|Hint|Action
constexpr const char* kMenu = R"(FileMenu|&File||-1||
  FileNewMenu|&New||-1||
    FileNewApplicationItem|Application||-1|New application|FileNewApplicationCommand
    FileNewCLXApplicationItem|CLX Application||-1|New CLX application|
    FileNewDataModuleItem|Data Module||-1|New data module|FileNewDataModuleCommand
    FileNewFormItem|Form||-1|New form|FileNewFormCommand
    FileNewFrameItem|Frame||-1|New frame|
    FileNewUnitItem|Unit||-1|New unit|FileNewUnitCommand
    FileNewN1|-||-1||
    FileNewOtherItem|&Other...||0|New items|FileNewCommand
  FileOpenItem|&Open...||1|Open|FileOpenCommand
  FileOpenProjectItem|Op&en Project...|Ctrl+F11|2|Open project|FileOpenProjectCommand
  FileReopenItem|&Reopen||-1||
  FileN1|-||-1||
  FileSaveItem|&Save|Ctrl+S|3|Save|FileSaveCommand
  FileSaveAsItem|Save &As...||-1|Save as|FileSaveAsCommand
  FileSaveProjectAsItem|Sav&e Project As...||-1|Save project as|
  FileSaveAllItem|Save A&ll|Shift+Ctrl+S|4|Save all|FileSaveAllCommand
  FileCloseItem|&Close||-1|Close|FileCloseCommand
  FileCloseAllItem|C&lose All||-1|Close all|FileCloseAllCommand
  FileN2|-||-1||
  FileUseUnitItem|&Use Unit...|Alt+F11|-1|Use unit|FileUseUnitCommand
  FileN3|-||-1||
  FilePrintItem|&Print...||-1|Print|FilePrintCommand
  FileN4|-||-1||
  FileExitItem|E&xit||-1|Exit|FileExitCommand
EditMenu|&Edit||-1||
  EditUndoItem|&Undo|Ctrl+Z|5|Undo|EditUndoCommand
  EditRedoItem|&Redo|Shift+Ctrl+Z|6|Redo|EditRedoCommand
  EditN1|-||-1||
  EditCutItem|Cu&t|Ctrl+X|7|Cut|EditCutCommand
  EditCopyItem|&Copy|Ctrl+C|8|Copy|EditCopyCommand
  EditPasteItem|&Paste|Ctrl+V|9|Paste|EditPasteCommand
  EditDeleteItem|&Delete|Ctrl+Del|10|Delete|EditDeleteCommand
  EditSelectAllItem|Se&lect All|Ctrl+A|-1|Select all|EditSelectAllCommand
  EditN2|-||-1||
  EditAlignGridItem|Align to &Grid||-1|Align to grid|
  EditFrontItem|Bring to &Front||-1|Bring to front|
  EditBackItem|Send to &Back||-1|Send to back|
  EditAlignItem|&Align...||-1|Align|
  EditSizeItem|Si&ze...||-1|Size|
  EditScaleItem|Scal&e...||-1|Scale|
  EditTabOrderItem|&Tab Order...||-1|Tab order|
  EditCreationOrderItem|Creati&on Order...||-1|Creation order|
  EditLockControlsItem|Loc&k Controls||-1|Lock controls|
SearchMenu|&Search||-1||
  SearchFindItem|&Find...|Ctrl+F|11|Find|SearchFindCommand
  SearchFileFindItem|Fi&nd in Files...||-1|Find in files|SearchFileFindCommand
  SearchReplaceItem|&Replace...|Ctrl+R|-1|Replace|SearchReplaceCommand
  SearchAgainItem|&Search Again|F3|-1|Search again|SearchAgainCommand
  SearchIncrementalItem|&Incremental Search|Ctrl+E|-1|Incremental search|
  SearchN1|-||-1||
  SearchGoToItem|&Go to Line Number...|Alt+G|-1|Go to line number|SearchGoToCommand
  SearchN2|-||-1||
  SearchFindErrorItem|Find &Error...||-1|Find error|
  SearchSymbolItem|&Browse Symbol...||-1|Browse symbol|
ViewsMenu|&View||-1||
  ViewPrjMgrItem|&Project Manager|Ctrl+Alt+F11|12|Project manager|ViewPrjMgrCommand
  ViewObjInspItem|&Object Inspector|F11|13|Object Inspector|ViewObjInspCommand
  ViewObjTreeItem|Object &TreeView|Shift+Alt+F11|-1|Object TreeView|
  ViewToDoListItem|To-&Do List||-1|To-do list|
  ViewAlignPaletteItem|&Alignment Palette||-1|Alignment palette|
  ViewBrowserItem|&Browser|Shift+Ctrl+B|-1|Browser|
  ViewCodeExplorerItem|Code E&xplorer||-1|Code Explorer|
  ViewComponentListItem|C&omponent List||-1|Component list|
  ViewWindowListItem|&Window List...|Alt+0|-1|Window list|
  ViewDebugMenu|&Debug Windows||-1||
    ViewBreakpointsItem|&Breakpoints|Ctrl+Alt+B|-1|Breakpoints|
    ViewCallStackItem|&Call Stack|Ctrl+Alt+S|-1|Call stack|
    ViewWatchItem|&Watches|Ctrl+Alt+W|-1|Watches|
    ViewLocalVarItem|&Local Variables|Ctrl+Alt+L|-1|Local variables|
  ViewDesktopsMenu|Des&ktops||-1||
    ViewSaveDesktopItem|&Save Desktop...||-1|Save desktop|
  ViewN1|-||-1||
  ViewToggleFormItem|Toggle Form/&Unit|F12|14|Toggle form/unit|ViewToggleFormCommand
  ViewUnitItem|&Units...|Ctrl+F12|15|View unit|ViewUnitCommand
  ViewFormItem|&Forms...|Shift+F12|16|View form|ViewFormCommand
  ViewN2|-||-1||
  ViewNewEditorItem|New &Edit Window||-1|New edit window|
ProjectMenu|&Project||-1||
  ProjectAddItem|&Add to Project...|Shift+F11|17|Add to project|ProjectAddCommand
  ProjectRemoveItem|&Remove from Project...||18|Remove from project|ProjectRemoveCommand
  ProjectRepositoryItem|Add to Repositor&y...||-1|Add to repository|
  ProjectViewSourceItem|&View Source||-1|View project source|
  ProjectN1|-||-1||
  ProjectCompileItem|&Compile|Ctrl+F9|-1|Compile project|ProjectCompileCommand
  ProjectBuildItem|&Build||-1|Build project|ProjectBuildCommand
  ProjectSyntaxItem|S&yntax Check||-1|Syntax check|
  ProjectInformationItem|&Information...||-1|Project information|
  ProjectN2|-||-1||
  ProjectOptionsItem|&Options...|Shift+Ctrl+F11|19|Project options|ProjectOptionsCommand
RunMenu|&Run||-1||
  RunRunItem|&Run|F9|20|Run|RunRunCommand
  RunAttachItem|Attac&h to Process...||-1|Attach to process|
  RunParametersItem|&Parameters...||-1|Parameters|
  RunN1|-||-1||
  RunStepOverItem|&Step Over|F8|21|Step over|RunStepOverCommand
  RunTraceIntoItem|&Trace Into|F7|22|Trace into|RunTraceIntoCommand
  RunTraceToSourceItem|Trace to &Next Source Line|Shift+F7|-1|Trace to next source line|
  RunGotoCursorItem|Run to &Cursor|F4|-1|Run to cursor|
  RunShowCSIPItem|Show E&xecution Point||-1|Show execution point|
  RunPauseItem|Program P&ause||23|Program pause|RunPauseCommand
  RunResetItem|Program R&eset|Ctrl+F2|24|Program reset|RunResetCommand
  RunN2|-||-1||
  RunInspectItem|&Inspect...||-1|Inspect|
  RunEvaluateItem|Evaluate/&Modify...|Ctrl+F7|-1|Evaluate/modify|
  RunAddWatchItem|Add &Watch...|Ctrl+F5|-1|Add watch|
ComponentMenu|&Component||-1||
  ComponentNewItem|&New Component...||-1|New component|
  ComponentInstallItem|&Install Component...||-1|Install component|
  ComponentImportAXCItem|Import Active&X Control...||-1|Import ActiveX control|
  ComponentTemplateItem|Create Component &Template...||-1|Create component template|
  ComponentInstallPackagesItem|Install &Packages...||-1|Install packages|
  ComponentPaletteItem|&Configure Palette...||-1|Configure palette|
DatabaseMenu|&Database||-1||
  DatabaseExploreItem|&Explore||-1|Explore|
  DatabaseSQLMonitorItem|&SQL Monitor||-1|SQL monitor|
  DatabaseFormWizardItem|&Form Wizard...||-1|Database form wizard|
ToolsMenu|&Tools||-1||
  ToolsOptionsItem|Environment &Options...||-1|Environment options|ToolsOptionsCommand
  ToolsEditorOptionsItem|&Editor Options...||-1|Editor options|
  ToolsDebuggerOptionsItem|&Debugger Options...||-1|Debugger options|
  ToolsRepositoryItem|&Repository...||-1|Repository|
  ToolsN1|-||-1||
  ToolsToolsItem|&Configure Tools...||-1|Configure tools|
  ToolsN2|-||-1||
  ToolsDatabaseDesktopItem|Data&base Desktop||-1|Database Desktop|
  ToolsImageEditorItem|&Image Editor||-1|Image Editor|
WindowMenu|&Window||-1||
  WindowNextItem|&Next Window|Alt+End|-1|Next window|
HelpMenu|&Help||-1||
  HelpContentsItem|&Delphi Help||25|Delphi help|HelpContentsCommand
  HelpToolsItem|Delphi &Tools||-1|Delphi tools help|
  HelpWinSDKItem|&Windows SDK||-1|Windows SDK help|
  HelpN1|-||-1||
  HelpBorlandPageItem|&Borland Home Page||-1|Borland home page|
  HelpDelphiPageItem|Delphi &Home Page||-1|Delphi home page|
  HelpCustomizeItem|&Customize...||-1|Customize help|
  HelpN2|-||-1||
  HelpAboutItem|&About...||-1|About Delphi|HelpAboutCommand
)";

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, '|')) fields.push_back(field);
  while (fields.size() < 6) fields.emplace_back();
  return fields;
}

// The pictures the menu's image indices point at (0 to 25). The IDE's own glyphs are
// Borland's artwork; each stand-in is a framed square of its own colour, so pictures of
// different indices never compare equal.
platform::TImageList* BuildMenuImages(platform::TComponent& owner, int count) {
  auto* images = platform::TComponent::Create<platform::TImageList>(owner);
  images->SetName("MenuImages");
  images->SetWidth(16);
  images->SetHeight(16);
  for (int index = 0; index < count; ++index) {
    const uint32_t colour = 0xFF000000u | (static_cast<uint32_t>(index * 97 % 256) << 16) |
                            (static_cast<uint32_t>(index * 53 % 256) << 8) |
                            static_cast<uint32_t>(255 - index * 9);
    platform::TBitmap picture(16, 16, colour);
    for (int i = 0; i < 16; ++i) {
      picture.SetPixel(i, 0, 0xFF000000u);
      picture.SetPixel(i, 15, 0xFF000000u);
      picture.SetPixel(0, i, 0xFF000000u);
      picture.SetPixel(15, i, 0xFF000000u);
    }
    images->Add(picture);
  }
  return images;
}

}  // namespace

platform::TMainMenu* BuildIdeMainMenu(platform::TComponent& owner) {
  auto* menu = platform::TComponent::Create<platform::TMainMenu>(owner);
  menu->SetName("MainMenu1");
  std::vector<platform::TMenuItem*> parents{menu->Items()};
  int pictures = 0;
  std::istringstream lines(kMenu);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty()) continue;
    const size_t indent = line.find_first_not_of(' ');
    const size_t depth = indent / 2;
    const std::vector<std::string> f = Split(line.substr(indent));
    auto* item = platform::TComponent::Create<platform::TMenuItem>(owner);
    item->SetName(f[0]);
    item->SetCaption(f[1]);
    if (!f[2].empty()) item->SetShortCut(platform::TextToShortCut(f[2]));
    item->SetImageIndex(std::stoi(f[3]));
    pictures = std::max(pictures, item->ImageIndex() + 1);
    if (!f[4].empty()) item->SetHint(f[4]);
    if (!f[5].empty()) {
      auto* action = platform::TComponent::Create<platform::TAction>(owner);
      action->SetName(f[5]);
      action->SetPropValue("Caption", f[1], false);
      item->SetAction(action);
    }
    parents.resize(depth + 1);
    parents[depth]->Add(item);
    parents.push_back(item);
  }
  menu->SetImages(BuildMenuImages(owner, pictures));
  return menu;
}

}  // namespace ide
