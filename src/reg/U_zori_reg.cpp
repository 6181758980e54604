#include "reg/U_zori_reg.h"

#include <algorithm>

#include "core/U_zori_func.h"
#include "core/U_zori_resource.h"
#include "core/U_zori_resource_editor.h"
#include "designer/U_zori_align.h"
#include "designer/U_zori_list_comp.h"
#include "designer/U_zori_perf_layout.h"
#include "designer/U_zori_ren_comps.h"
#include "designer/U_zori_sel_foco.h"
#include "designer/U_zori_taborder.h"
#include "editor/U_zori_codesnippets.h"
#include "editor/U_zori_make_comm.h"
#include "ide/ToolsAPI.h"
#include "menus/U_zori_cust_menu.h"
#include "platform/actions.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/client_dataset.h"
#include "platform/exceptions.h"
#include "platform/forms.h"
#include "platform/image_list.h"
#include "platform/menus.h"
#include "platform/timer.h"
#include "reg/U_zori_about.h"
#include "reg/U_zori_config.h"
#include "reg/U_zori_notifier.h"

std::unique_ptr<TZORIIDEx_New_Menu_Item> v_Inst_ZORIIDEx;
int32_t v_ID_Notifier = -1;

namespace {

const int kStartupInterval = 1000;
const int kImageAlignClosed = 7;

std::shared_ptr<ide::IOTAServices> ServicesOrFail(int line) {
  auto services = ide::Supports<ide::IOTAServices>(ide::BorlandIDEServices);
  if (!services) {
    throw platform::EAssertionFailed("IOTAServices not available (U_ZORI_Reg, line " +
                                     std::to_string(line) + ")");
  }
  return services;
}

// A tool window created into its global variable, shown modally and freed however the
// show ends, so the variable is none again afterwards.
template <class Window>
void PR_Mostra_Modal(Window*& window) {
  window = platform::TComponent::Create<Window>(platform::Application());
  struct Release {
    Window*& window;
    ~Release() { platform::FN_Destroi_Objeto(window); }
  } release{window};
  window->ShowModal();
}

}  // namespace

TZORIIDEx_New_Menu_Item::TZORIIDEx_New_Menu_Item() = default;
TZORIIDEx_New_Menu_Item::~TZORIIDEx_New_Menu_Item() = default;

void TZORIIDEx_New_Menu_Item::StartTimer() {
  FTimerStart = std::make_unique<platform::TTimer>();
  FTimerStart->SetInterval(kStartupInterval);
  FTimerStart->SetOnTimer([this](platform::TObject* sender) { AddMenuItems(sender); });
  FTimerStart->SetEnabled(true);
  FMenuBuilt = false;
}

void TZORIIDEx_New_Menu_Item::PR_RemoveTimer(std::unique_ptr<platform::TTimer>& Timer) {
  if (!Timer) return;
  Timer->SetEnabled(false);
  Timer->SetOnTimer(nullptr);
  FMenuBuilt = true;
  Timer.reset();
}

void TZORIIDEx_New_Menu_Item::PR_Inicializa_Menu(platform::TMenuItem*& Item,
                                                 const std::string& Name, int& Position,
                                                 int ImageIndex,
                                                 const platform::TNotifyEvent& OnClick,
                                                 platform::TMenuItem* Parent) {
  Item = platform::TComponent::Create<platform::TMenuItem>(*Parent);
  Item->SetCaption(FN_Get_Component_StringResource("", Name + ".Caption"));
  Item->SetHint(FN_Get_Component_StringResource("", Name + ".Hint"));
  Item->OnClick = OnClick;
  Item->SetName(Name);
  if (ImageIndex != -1) F_ZORI_Resource->il_Menu->GetBitmap(ImageIndex, Item->Bitmap());
  Parent->Insert(Position, Item);
  ++Position;
}

void TZORIIDEx_New_Menu_Item::AddMenuItems(platform::TObject*) {
  PR_RemoveTimer(FTimerStart);  // the build never repeats
  if (F_ZORI_Resource == nullptr)
    F_ZORI_Resource = platform::TComponent::Create<TF_ZORI_Resource>(platform::Application());

  auto nta = ide::Supports<ide::INTAServices>(ide::BorlandIDEServices);
  FMainMenu = nta ? nta->GetMainMenu() : nullptr;
  if (FMainMenu == nullptr)
    throw platform::EAssertionFailed("INTAServices not available (U_ZORI_Reg)");

  FMenuZORI = platform::TComponent::Create<platform::TMenuItem>(*FMainMenu);
  FMenuZORI->SetCaption("&ZORI");
  FMenuZORI->SetName("FMenuZORI");

  try {
    int root = 0;
    int ide_items = 0;
    auto handler = [this](void (TZORIIDEx_New_Menu_Item::*method)(platform::TObject*)) {
      return platform::TNotifyEvent([this, method](platform::TObject* s) { (this->*method)(s); });
    };
    using M = TZORIIDEx_New_Menu_Item;
    PR_Inicializa_Menu(FMenuZORICloseDataSets, "FMenuZORICloseDataSets", root, 1,
                       handler(&M::PR_OnClick_Close_DataSets), FMenuZORI);
    PR_Inicializa_Menu(FMenuZORIRenameComps, "FMenuZORIRenameComps", root, 0,
                       handler(&M::PR_OnClick_Rename_Comps), FMenuZORI);
    PR_Inicializa_Menu(FMenuZORITabOrder, "FMenuZORITabOrder", root, 5,
                       handler(&M::PR_OnClick_TabOrder), FMenuZORI);
    PR_Inicializa_Menu(FMenuZORIAlign, "FMenuZORIAlign", root, kImageAlignClosed,
                       handler(&M::PR_OnClick_Align), FMenuZORI);
    PR_Inicializa_Menu(FMenuZORIPerfectLayout, "FMenuZORIPerfectLayout", root, 6,
                       handler(&M::PR_OnClick_PL), FMenuZORI);
    PR_Inicializa_Menu(FMenuZORICodeSnippets, "FMenuZORICodeSnippets", root, 4,
                       handler(&M::PR_OnClick_CodeSnippets), FMenuZORI);
    PR_Inicializa_Menu(FMenuIDE, "FMenuIDE", root, 9, nullptr, FMenuZORI);
    PR_Inicializa_Menu(FMenuZORICust_Menu, "FMenuZORICust_Menu", ide_items, 10,
                       handler(&M::PR_OnClick_Cust_Menu), FMenuIDE);
    PR_Inicializa_Menu(FMenuListaCompsForm, "FMenuListaCompsForm", ide_items, 12,
                       handler(&M::PR_OnClick_Lista_Comps_Forms), FMenuIDE);
    PR_Inicializa_Menu(FMenuZORIComment, "FMenuZORIComment", root, 13,
                       handler(&M::PR_OnClick_Comment), FMenuZORI);
    PR_Inicializa_Menu(FMenuZORIConfig, "FMenuZORIConfig", root, 2, handler(&M::PR_OnClick_Config),
                       FMenuZORI);
    PR_Inicializa_Menu(FMenuZORIResourceString, "FMenuZORIResourceString", root, 3,
                       handler(&M::PR_OnClick_ResourceString), FMenuZORI);
    PR_Inicializa_Menu(FMenuZORIAbout, "FMenuZORIAbout", root, 11, handler(&M::PR_OnClick_About),
                       FMenuZORI);

    for (platform::TMenuItem* before :
         {FMenuIDE, FMenuZORIConfig, FMenuZORIPerfectLayout, FMenuZORIAbout}) {
      auto* line = platform::TComponent::Create<platform::TMenuItem>(*FMenuZORI);
      line->SetCaption("-");
      FMenuZORI->Insert(FMenuZORI->IndexOf(before), line);
    }
  } catch (const std::exception& e) {
    // A partly built menu is still shown: the build goes on with shortcuts and insertion.
    PR_Mensagem("", std::string(e.what()) + "\r\nInicialization");
  }

  const std::pair<const char*, platform::TMenuItem*> shortcuts[] = {
      {"hk_close_datasets", FMenuZORICloseDataSets},
      {"hk_Padronizar_Nom", FMenuZORIRenameComps},
      {"hk_code_snippet", FMenuZORICodeSnippets},
      {"hk_TabOrder", FMenuZORITabOrder},
      {"hk_zori_align", FMenuZORIAlign},
      {"hk_lp", FMenuZORIPerfectLayout},
      {"hk_Comment", FMenuZORIComment},
  };
  for (const auto& [key, item] : shortcuts) {
    if (item == nullptr) continue;
    // Missing, or stored as something other than a number: no shortcut for that item
    // alone; the rest of the menu is still built.
    const platform::Variant value = FN_Valor_Config(key);
    int32_t shortcut = 0;
    if (value.Type() == platform::VarType::Integer)
      shortcut = value.AsInteger();
    else if (value.Type() == platform::VarType::String &&
             !platform::TryStrToInt(value.AsString(), shortcut))
      shortcut = 0;
    item->SetShortCut(static_cast<platform::TShortCut>(shortcut));
  }

  // Three places before the end keeps the IDE's last three menus to the right; a menu bar
  // with fewer items gets it at the front instead of failing the insertion twice.
  platform::TMenuItem& items = *FMainMenu->Items();
  auto place = [&items]() { return std::max(0, items.Count() - 3); };
  try {
    items.Insert(place(), FMenuZORI);
  } catch (const platform::EMenuError&) {
    if (items.IndexOf(FMenuZORI) >= 0) items.Remove(FMenuZORI);
    items.Insert(place(), FMenuZORI);
  }

  if (FN_Valor_Config("chk_auto_load").AsBoolean()) PR_OnClick_Align(FMenuZORIAlign);
  if (FN_Valor_Config("chk_auto_layout").AsBoolean()) PR_OnClick_PL(FMenuZORI);
  if (FN_Valor_Config("chk_salvar_Auto").AsBoolean()) PR_Adiciona_Timer_AutoSave();

  platform::FN_Destroi_Objeto(F_ZORI_Resource);
  FMenuBuilt = true;
}

void TZORIIDEx_New_Menu_Item::PR_Adiciona_Timer_AutoSave() {
  FTimerAutoSave = std::make_unique<platform::TTimer>();
  FTimerAutoSave->SetInterval(FN_Valor_Config("spe_tempo").AsInteger() * 60000);
  FTimerAutoSave->SetOnTimer([this](platform::TObject* sender) { PR_OnTimer_AutoSave(sender); });
  FTimerAutoSave->SetEnabled(true);
}

void TZORIIDEx_New_Menu_Item::PR_OnTimer_AutoSave(platform::TObject*) {
  if (FMainMenu == nullptr || FMainMenu->Items()->Count() == 0) return;
  platform::TMenuItem* file_menu = FMainMenu->Items()->Items(0);
  for (int i = 0; i < file_menu->Count(); ++i) {
    platform::TMenuItem* item = file_menu->Items(i);
    if (item->Name() == "FileSaveAllItem" && item->Action() != nullptr) item->Action()->Execute();
  }
}

void TZORIIDEx_New_Menu_Item::RemoveMenuItems() {
  // Unloading must not stop the IDE: whatever cannot be removed is left.
  try {
    if (v_ID_Notifier != -1) {
      ServicesOrFail(367)->RemoveNotifier(v_ID_Notifier);
      v_ID_Notifier = -1;
    }
    PR_RemoveTimer(FTimerStart);
    PR_RemoveTimer(FTimerAutoSave);
    if (!FMenuBuilt || FMenuZORI == nullptr) return;
    if (FMainMenu != nullptr && FMainMenu->Items()->IndexOf(FMenuZORI) >= 0)
      FMainMenu->Items()->Remove(FMenuZORI);
    platform::FN_Destroi_Objeto(FMenuIDE);
    platform::FN_Destroi_Objeto(FMenuZORI);
  } catch (const std::exception&) {
    // Swallowed on purpose: unloading goes on with what is left.
  }
}

void TZORIIDEx_New_Menu_Item::PR_OnClick_Close_DataSets(platform::TObject* Sender) {
  // The window goes however the run ends; an error goes on to the caller, so the run
  // before a compile can cancel the compile on it.
  struct Release {
    ~Release() { platform::FN_Destroi_Objeto(F_ZORI_Sel_Foco); }
  } release;
  F_ZORI_Sel_Foco = platform::TComponent::Create<TF_ZORI_Sel_Foco>(platform::Application());
  if (Sender != nullptr) {
    F_ZORI_Sel_Foco->ShowModal();
    return;
  }
  // Unattended: every open module checked, OK pressed at once.
  F_ZORI_Sel_Foco->SetTag(1);
  F_ZORI_Sel_Foco->Show();
  F_ZORI_Sel_Foco->bbtn_Ok->Click();
}
void TZORIIDEx_New_Menu_Item::PR_OnClick_Rename_Comps(platform::TObject*) {
  struct Release {
    ~Release() { platform::FN_Destroi_Objeto(F_ZORI_Ren_Comps); }
  } release;
  F_ZORI_Ren_Comps = platform::TComponent::Create<TF_ZORI_Ren_Comps>(platform::Application());
  F_ZORI_Ren_Comps->ShowModal();
}
void TZORIIDEx_New_Menu_Item::PR_OnClick_TabOrder(platform::TObject*) {
  PR_Mostra_Modal(F_ZORI_TabOrder);
}
void TZORIIDEx_New_Menu_Item::PR_OnClick_PL(platform::TObject* Sender) {
  struct Release {
    ~Release() { platform::FN_Destroi_Objeto(F_ZORI_Perf_Layout); }
  } release;
  F_ZORI_Perf_Layout = platform::TComponent::Create<TF_ZORI_Perf_Layout>(platform::Application());
  // The automatic runs apply the stored layout without showing the window; they pass the
  // root item, which is still none while the menu is not built.
  if (Sender == FMenuZORI)
    F_ZORI_Perf_Layout->bbtn_Ok->Click();
  else
    F_ZORI_Perf_Layout->ShowModal();
  // Written here rather than when the window is freed, so a failed write is reported.
  F_ZORI_Perf_Layout->cds_LP->Close();
}
void TZORIIDEx_New_Menu_Item::PR_OnClick_CodeSnippets(platform::TObject*) {
  struct Release {
    ~Release() { platform::FN_Destroi_Objeto(F_ZORI_CodeSnippets); }
  } release;
  F_ZORI_CodeSnippets = platform::TComponent::Create<TF_ZORI_CodeSnippets>(platform::Application());
  F_ZORI_CodeSnippets->ShowModal();
}
void TZORIIDEx_New_Menu_Item::PR_OnClick_Cust_Menu(platform::TObject*) {
  PR_Mostra_Modal(F_ZORI_Cust_Menu);
}
void TZORIIDEx_New_Menu_Item::PR_OnClick_Lista_Comps_Forms(platform::TObject*) {
  PR_Mostra_Modal(F_ZORI_List_Comp);
}
void TZORIIDEx_New_Menu_Item::PR_OnClick_Comment(platform::TObject* Sender) {
  MenuClick(Sender);
}
void TZORIIDEx_New_Menu_Item::PR_OnClick_Config(platform::TObject*) {
  struct Release {
    ~Release() { platform::FN_Destroi_Objeto(F_ZORI_Config); }
  } release;
  F_ZORI_Config = platform::TComponent::Create<TF_ZORI_Config>(platform::Application());
  F_ZORI_Config->ShowModal();
}
void TZORIIDEx_New_Menu_Item::PR_OnClick_ResourceString(platform::TObject*) {
  PR_Mostra_Modal(F_ZORI_Resource_Editor);
}
void TZORIIDEx_New_Menu_Item::PR_OnClick_About(platform::TObject*) {
  struct Release {
    ~Release() { platform::FN_Destroi_Objeto(F_ZORI_About); }
  } release;
  F_ZORI_About = platform::TComponent::Create<TF_ZORI_About>(platform::Application());
  F_ZORI_About->ShowModal();
}

void TZORIIDEx_New_Menu_Item::PR_OnClick_Align(platform::TObject* Sender) {
  auto* item = dynamic_cast<platform::TMenuItem*>(Sender);
  if (item == nullptr) return;
  if (item->Tag() == 0) {
    if (F_ZORI_Align == nullptr) {
      F_ZORI_Align = platform::TComponent::Create<TF_ZORI_Align>(platform::Application());
      if (FN_Valor_Config("chk_Stay_On_Top").AsBoolean()) F_ZORI_Align->SetFormStyle("fsStayOnTop");
    }
    F_ZORI_Align->Show();
    item->SetTag(1);
  } else {
    item->SetTag(0);
    F_ZORI_Align->Hide();
  }
  const bool own_holder = F_ZORI_Resource == nullptr;
  if (own_holder)
    F_ZORI_Resource = platform::TComponent::Create<TF_ZORI_Resource>(platform::Application());
  F_ZORI_Resource->il_Menu->GetBitmap(kImageAlignClosed + item->Tag(), item->Bitmap());
  if (own_holder) platform::FN_Destroi_Objeto(F_ZORI_Resource);
}

void PR_Inicializa_U_zori_reg() {
  v_Inst_ZORIIDEx = std::make_unique<TZORIIDEx_New_Menu_Item>();
  vg_Desc_Zori = "ROVUVUVoravud";
  const std::string package = FN_Diretorio_Package(kPackageFile);
  // The directory part, without trailing separator, whichever separator the host uses.
  const size_t cut = package.find_last_of("/\\");
  if (cut != std::string::npos) v_Diretorio_Package = package.substr(0, cut);
}

void Register() {
  auto services = ServicesOrFail(86);
  v_ID_Notifier = services->AddNotifier(std::make_shared<TZORIIDEEvents>());
  v_Inst_ZORIIDEx->StartTimer();
}

void PR_Finaliza_U_zori_reg() {
  // The IDE is unloading the package: errors here must not reach it.
  try {
    platform::FN_Destroi_Objeto(F_ZORI_Align);
    if (v_Inst_ZORIIDEx) v_Inst_ZORIIDEx->RemoveMenuItems();
    v_Inst_ZORIIDEx.reset();
    // A holder left by a failed menu build goes too: a later load builds a fresh one
    // instead of reaching for a window that is no more.
    platform::FN_Destroi_Objeto(F_ZORI_Resource);
  } catch (const std::exception&) {
    // Swallowed on purpose; what was not removed is left.
  }
  PR_Finaliza_U_zori_func();
}
