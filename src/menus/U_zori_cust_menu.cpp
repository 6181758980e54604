#include "menus/U_zori_cust_menu.h"

#include <filesystem>

#include "core/U_zori_func.h"
#include "core/control_layout.h"
#include "core/xpm_image.h"
#include "ide/ToolsAPI.h"
#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/ext_controls.h"
#include "platform/graphics.h"
#include "platform/image_list.h"
#include "platform/menus.h"
#include "platform/std_controls.h"
#include "platform/strings.h"
#include "platform/tree_view.h"

TF_ZORI_Cust_Menu* F_ZORI_Cust_Menu = nullptr;

namespace {

// The tool menu's picture of this window stands for every item without one of its own.
const char* const kOwnPicture = "menu_10.xpm";

using core::LabelFor;
using core::Place;

// The read-only fields show their value in bold blue on silver.
void ReadOnlyLook(platform::TEdit& edit) {
  edit.SetReadOnly(true);
  edit.SetPropValue("Color", "clSilver", false);
  edit.SetPropValue("Font.Color", "clBlue", false);
  edit.SetPropValue("Font.Style", "[fsBold]", false);
}

}  // namespace

TF_ZORI_Cust_Menu::TF_ZORI_Cust_Menu()
    : TF_ZORI_Tpl_Modal("F_ZORI_Cust_Menu", "TF_ZORI_Cust_Menu") {
  SetCaption("Customização de Menus");
  SetClientWidth(567);
  SetClientHeight(559);
  pnl_Back->SetHeight(519);

  il_imagens = Create<platform::TImageList>(*this);
  il_imagens->SetName("il_imagens");
  il_imagens->SetWidth(16);
  il_imagens->SetHeight(16);
  platform::TBitmap own;
  std::string err;
  if (v_Diretorio_Package.empty() ||
      !FN_Le_Xpm((std::filesystem::path(v_Diretorio_Package) / "images" / kOwnPicture).string(),
                 own, &err))
    own.SetSize(16, 16);  // a blank picture keeps the menu's pictures at index + 1
  il_imagens->Add(own);

  tv_menus = Place<platform::TTreeView>(*this, pnl_Back, "tv_menus", 8, 24, 281, 487);
  tv_menus->SetPropValue("Color", "clInfoBk", false);
  tv_menus->SetPropValue("Indent", 19, false);
  tv_menus->SetPropValue("Images", "il_imagens", false);
  tv_menus->OnChange = [this](platform::TObject* sender, platform::TTreeNode* node) {
    tv_menusChange(sender, node);
  };
  lbl_tv_menus = LabelFor(*this, pnl_Back, "lbl_tv_menus", 8, 8, "Menus", tv_menus);

  gb_propertys = Place<platform::TGroupBox>(*this, pnl_Back, "gb_propertys", 297, 8, 262, 297);
  gb_propertys->SetCaption(" Propriedades ");
  edt_caption = Place<platform::TEdit>(*this, gb_propertys, "edt_caption", 8, 32, 245, 21);
  lbl_edt_caption = LabelFor(*this, gb_propertys, "lbl_edt_caption", 8, 16, "Caption", edt_caption);
  edt_name = Place<platform::TEdit>(*this, gb_propertys, "edt_name", 8, 76, 245, 21);
  ReadOnlyLook(*edt_name);
  lbl_edt_name =
      LabelFor(*this, gb_propertys, "lbl_edt_name", 8, 60, "Nome do componente", edt_name);
  edt_Action_Name = Place<platform::TEdit>(*this, gb_propertys, "edt_Action_Name", 8, 120, 245, 21);
  ReadOnlyLook(*edt_Action_Name);
  lbl_edt_Action_Name = LabelFor(*this, gb_propertys, "lbl_edt_Action_Name", 8, 104,
                                 "Nome do Action", edt_Action_Name);
  hk_shortcut = Place<platform::THotKey>(*this, gb_propertys, "hk_shortcut", 8, 164, 245, 19);
  hk_shortcut->SetPropValue("InvalidKeys", "[hcNone,hcShift]", false);
  lbl_hk_shortcut =
      LabelFor(*this, gb_propertys, "lbl_hk_shortcut", 8, 148, "ShortCut", hk_shortcut);
  cbex_imageindex =
      Place<platform::TComboBoxEx>(*this, gb_propertys, "cbex_imageindex", 8, 206, 245, 22);
  cbex_imageindex->SetPropValue("Style", "csExDropDownList", false);
  cbex_imageindex->SetPropValue("DropDownCount", 8, false);
  cbex_imageindex->SetPropValue("Images", "il_imagens", false);
  lbl_cbex_imageindex =
      LabelFor(*this, gb_propertys, "lbl_cbex_imageindex", 8, 190, "ImageIndex", cbex_imageindex);
  edt_hint = Place<platform::TEdit>(*this, gb_propertys, "edt_hint", 8, 252, 245, 21);
  ReadOnlyLook(*edt_hint);
  lbl_edt_hint = LabelFor(*this, gb_propertys, "lbl_edt_hint", 8, 236, "Hint", edt_hint);

  gb_Find = Place<platform::TGroupBox>(*this, pnl_Back, "gb_Find", 297, 313, 262, 105);
  gb_Find->SetCaption(" Localizar Menu");
  chk_caption = Place<platform::TCheckBox>(*this, gb_Find, "chk_caption", 8, 20, 97, 17);
  chk_caption->SetCaption("Caption");
  chk_caption->SetPropValue("Alignment", "taLeftJustify", false);
  chk_caption->OnClick = [this](platform::TObject* sender) { chk_captionClick(sender); };
  edt_Caption_Find = Place<platform::TEdit>(*this, gb_Find, "edt_Caption_Find", 8, 42, 245, 21);
  edt_Caption_Find->OnChange = [this](platform::TObject* sender) {
    edt_Caption_FindChange(sender);
  };
  bbtn_pesq = Place<platform::TBitBtn>(*this, gb_Find, "bbtn_pesq", 178, 70, 75, 25);
  bbtn_pesq->SetCaption("Pesquisar");
  bbtn_Ok->SetDefault(false);  // Enter searches
  bbtn_pesq->SetDefault(true);
  bbtn_pesq->OnClick = [this](platform::TObject* sender) { bbtn_pesqClick(sender); };

  bbtn_Ok->SetLeft(402);
  bbtn_Cancel->SetLeft(477);
}

void TF_ZORI_Cust_Menu::FormShow(platform::TObject* Sender) {
  TF_ZORI_Tpl_Modal::FormShow(Sender);
  auto services = ide::Supports<ide::INTAServices>(ide::BorlandIDEServices);
  menu_ = services ? services->GetMainMenu() : nullptr;
  if (menu_ != nullptr && menu_->Images() != nullptr) il_imagens->AddImages(*menu_->Images());

  cbex_imageindex->ClearItems();
  for (int index = 0; index < il_imagens->Count(); ++index) {
    platform::TComboExItem entry;
    entry.caption = std::to_string(index - 1);  // the menu's own numbering
    entry.image_index = entry.selected_image_index = entry.overlay_image_index = index;
    cbex_imageindex->AddItem(entry);
  }

  if (menu_ == nullptr) return;
  platform::TMenuItem& top = *menu_->Items();
  for (int index = top.Count() - 1; index >= 0; --index) {
    platform::TMenuItem& item = *top.Items(index);
    platform::TTreeNode* node = tv_menus->Items().AddFirst(nullptr, item.Caption());
    node->SetImageIndex(0);
    node->SetSelectedIndex(0);
    PR_Adiciona_SubItens(item);
  }
  if (Visible()) SetActiveControl(tv_menus);
}

void TF_ZORI_Cust_Menu::PR_Adiciona_SubItens(platform::TMenuItem& Parent) {
  for (int index = 0; index < Parent.Count(); ++index) {
    platform::TMenuItem& item = *Parent.Items(index);
    if (item.Caption() == "-") continue;  // a separator, and whatever hangs under it
    // Found by caption: a later item of the same caption gets the first one's node.
    platform::TTreeNode* parent = FN_Localiza_Pai(*tv_menus, Parent.Caption());
    platform::TTreeNode* node = tv_menus->Items().AddChild(parent, item.Caption());
    node->SetImageIndex(item.ImageIndex() + 1);
    node->SetSelectedIndex(item.ImageIndex() + 1);
    PR_Adiciona_SubItens(item);
  }
}

std::unique_ptr<platform::TStringList> TF_ZORI_Cust_Menu::FN_Caminho_Node(
    platform::TTreeNode* Node) const {
  auto path = std::make_unique<platform::TStringList>();
  for (platform::TTreeNode* node = Node; node != nullptr; node = node->Parent())
    path->Add(node->Text());
  return path;
}

platform::TTreeNode* TF_ZORI_Cust_Menu::FN_Localiza_Pai(platform::TTreeView& TreeView,
                                                        const std::string& Caption) const {
  for (platform::TTreeNode* node = TreeView.Items().GetFirstNode(); node != nullptr;
       node = node->GetNext()) {
    if (node->Text() == Caption) return node;
  }
  return nullptr;
}

platform::TMenuItem* TF_ZORI_Cust_Menu::FN_Item_Do_Node(platform::TTreeNode* Node) const {
  if (Node == nullptr || menu_ == nullptr) return nullptr;
  const std::unique_ptr<platform::TStringList> path = FN_Caminho_Node(Node);
  platform::TMenuItem* item = menu_->Items();
  for (int index = path->Count() - 1; index >= 0 && item != nullptr; --index)
    item = item->Find(path->Get(index));
  return item;
}

void TF_ZORI_Cust_Menu::tv_menusChange(platform::TObject*, platform::TTreeNode* Node) {
  edt_caption->Clear();
  edt_name->Clear();
  edt_Action_Name->Clear();
  edt_hint->Clear();
  hk_shortcut->SetHotKey(platform::scNone);
  cbex_imageindex->SetItemIndex(-1);
  const platform::TMenuItem* item = FN_Item_Do_Node(Node);
  if (item == nullptr) return;
  edt_caption->SetText(item->Caption());
  edt_name->SetText(item->Name());
  hk_shortcut->SetHotKey(item->ShortCut());
  if (const platform::TBasicAction* action = item->Action())
    edt_Action_Name->SetText(action->Name());
  cbex_imageindex->SetItemIndex(item->ImageIndex() + 1);
  edt_hint->SetText(item->Hint());
}

void TF_ZORI_Cust_Menu::edt_Caption_FindChange(platform::TObject*) {
  chk_caption->SetChecked(!edt_Caption_Find->Text().empty());
}

void TF_ZORI_Cust_Menu::chk_captionClick(platform::TObject*) {
  if (!chk_caption->Checked() && !edt_Caption_Find->Text().empty()) edt_Caption_Find->Clear();
}

void TF_ZORI_Cust_Menu::bbtn_pesqClick(platform::TObject*) {
  if (!chk_caption->Checked()) {
    platform::Application().Beep();
    PR_Mensagem("", FN_Get_Component_StringResource("F_ZORI_Cust_Menu", "msg_no_params.caption"));
    return;
  }
  // Exact text: a caption with an accelerator marker must be typed with it.
  platform::TTreeNode* node = FN_Localiza_Pai(*tv_menus, edt_Caption_Find->Text());
  if (node == nullptr) return;
  tv_menus->SetSelected(node);
  node->MakeVisible();
  if (Visible()) SetActiveControl(tv_menus);
}
