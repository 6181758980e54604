// U_zori_reg: the package entry. The unit's load step creates the menu object and finds
// the package directory, Register hooks the add-in into the IDE and starts the start-up
// timer, whose first tick builds the "&ZORI" tool menu; the unload step takes it all down.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/component.h"

namespace platform {
class TMainMenu;
class TMenuItem;
class TTimer;
}  // namespace platform

// The one menu object: owns the tool menu "&ZORI" and the add-in's timers.
class TZORIIDEx_New_Menu_Item : public platform::TObject {
 public:
  TZORIIDEx_New_Menu_Item();
  ~TZORIIDEx_New_Menu_Item() override;

  platform::TMenuItem* FMenuZORICloseDataSets = nullptr;
  platform::TMenuItem* FMenuZORIRenameComps = nullptr;
  platform::TMenuItem* FMenuZORIConfig = nullptr;
  platform::TMenuItem* FMenuZORIResourceString = nullptr;
  platform::TMenuItem* FMenuZORICodeSnippets = nullptr;
  platform::TMenuItem* FMenuZORITabOrder = nullptr;
  platform::TMenuItem* FMenuZORIPerfectLayout = nullptr;
  platform::TMenuItem* FMenuZORICust_Menu = nullptr;
  platform::TMenuItem* FMenuIDE = nullptr;
  platform::TMenuItem* FMenuListaCompsForm = nullptr;
  platform::TMenuItem* FMenuZORIAbout = nullptr;
  platform::TMenuItem* FMenuZORIComment = nullptr;
  // Cleared when the start-up timer starts; set when a timer is removed and at the end of
  // the menu build. The notifier and the unload path read it.
  bool FMenuBuilt = false;
  platform::TMenuItem* FMenuZORIAlign = nullptr;
  platform::TMenuItem* FMenuZORI = nullptr;
  std::unique_ptr<platform::TTimer> FTimerStart;
  std::unique_ptr<platform::TTimer> FTimerAutoSave;
  // The IDE main menu (not owned).
  platform::TMainMenu* FMainMenu = nullptr;

  // Creates and starts the one-second start-up timer.
  void StartTimer();
  // The start-up timer's tick: builds the tool menu once and runs the auto-start actions.
  void AddMenuItems(platform::TObject* Sender);
  // Creates one item under Parent at Position (then incremented), captioned from the
  // catalogue, with picture ImageIndex of il_Menu unless it is -1.
  void PR_Inicializa_Menu(platform::TMenuItem*& Item, const std::string& Name, int& Position,
                          int ImageIndex, const platform::TNotifyEvent& OnClick,
                          platform::TMenuItem* Parent);
  // Stops and frees a timer (nothing for none) and sets the menu-built flag.
  void PR_RemoveTimer(std::unique_ptr<platform::TTimer>& Timer);
  // The unload path: notifier, timers, tool menu. Errors are swallowed.
  void RemoveMenuItems();

  // Auto-save: a timer of "spe_tempo" minutes whose tick runs the IDE's save-all item.
  void PR_Adiciona_Timer_AutoSave();
  void PR_OnTimer_AutoSave(platform::TObject* Sender);

  void PR_OnClick_Close_DataSets(platform::TObject* Sender);
  void PR_OnClick_Rename_Comps(platform::TObject* Sender);
  void PR_OnClick_TabOrder(platform::TObject* Sender);
  void PR_OnClick_Align(platform::TObject* Sender);
  void PR_OnClick_PL(platform::TObject* Sender);
  void PR_OnClick_CodeSnippets(platform::TObject* Sender);
  void PR_OnClick_Cust_Menu(platform::TObject* Sender);
  void PR_OnClick_Lista_Comps_Forms(platform::TObject* Sender);
  void PR_OnClick_Comment(platform::TObject* Sender);
  void PR_OnClick_Config(platform::TObject* Sender);
  void PR_OnClick_ResourceString(platform::TObject* Sender);
  void PR_OnClick_About(platform::TObject* Sender);
};

// The one menu object, from load to unload.
extern std::unique_ptr<TZORIIDEx_New_Menu_Item> v_Inst_ZORIIDEx;
// Index of the registered notifier; -1 when none is registered.
extern int32_t v_ID_Notifier;

// The unit's load step: the menu object, the product title, the package directory.
void PR_Inicializa_U_zori_reg();
// The registration entry the IDE calls once after loading the package. Fails the
// assertion "IOTAServices not available" when the IDE offers no services.
void Register();
// The unit's unload step: palette, tool menu, notifier, timers, menu object; then the
// shared unit's state. Errors are swallowed: whatever was not removed is left.
void PR_Finaliza_U_zori_reg();
