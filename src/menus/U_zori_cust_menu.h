// TF_ZORI_Cust_Menu: the IDE menu browser. The IDE main menu as a tree with the items'
// pictures, the properties of the selected item, and a search by caption. It reads the
// menu and never changes it: what is edited in the window goes nowhere.
#pragma once

#include <memory>
#include <string>

#include "core/U_zori_tpl_modal.h"

namespace platform {
class TBitBtn;
class TCheckBox;
class TComboBoxEx;
class TEdit;
class TGroupBox;
class THotKey;
class TImageList;
class TMainMenu;
class TMenuItem;
class TStringList;
class TTreeNode;
class TTreeView;
}  // namespace platform

class TF_ZORI_Cust_Menu : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_Cust_Menu();

  platform::TLabel* lbl_tv_menus = nullptr;
  platform::TTreeView* tv_menus = nullptr;
  platform::TGroupBox* gb_propertys = nullptr;
  platform::TLabel* lbl_edt_caption = nullptr;
  platform::TEdit* edt_caption = nullptr;
  platform::TLabel* lbl_edt_name = nullptr;
  platform::TEdit* edt_name = nullptr;
  platform::TLabel* lbl_edt_Action_Name = nullptr;
  platform::TEdit* edt_Action_Name = nullptr;
  platform::TLabel* lbl_hk_shortcut = nullptr;
  platform::THotKey* hk_shortcut = nullptr;
  platform::TLabel* lbl_cbex_imageindex = nullptr;
  platform::TComboBoxEx* cbex_imageindex = nullptr;
  platform::TLabel* lbl_edt_hint = nullptr;
  platform::TEdit* edt_hint = nullptr;
  platform::TGroupBox* gb_Find = nullptr;
  platform::TCheckBox* chk_caption = nullptr;
  platform::TEdit* edt_Caption_Find = nullptr;
  platform::TBitBtn* bbtn_pesq = nullptr;
  platform::TImageList* il_imagens = nullptr;

  void FormShow(platform::TObject* Sender) override;
  // The node's text, its parent's, and so on up to the top level; empty for no node.
  std::unique_ptr<platform::TStringList> FN_Caminho_Node(platform::TTreeNode* Node) const;
  // The first node in tree order whose text is Caption exactly ("&" and letter case
  // count); nullptr when there is none.
  platform::TTreeNode* FN_Localiza_Pai(platform::TTreeView& TreeView,
                                       const std::string& Caption) const;
  void tv_menusChange(platform::TObject* Sender, platform::TTreeNode* Node);
  void edt_Caption_FindChange(platform::TObject* Sender);
  void chk_captionClick(platform::TObject* Sender);
  void bbtn_pesqClick(platform::TObject* Sender);

  // The IDE menu item behind a node, found through the menu's own find-by-caption along
  // the node's path; nullptr when the path leads nowhere.
  platform::TMenuItem* FN_Item_Do_Node(platform::TTreeNode* Node) const;

 private:
  void PR_Adiciona_SubItens(platform::TMenuItem& Parent);
  platform::TMainMenu* menu_ = nullptr;
};

// The browser while it is open; none otherwise.
extern TF_ZORI_Cust_Menu* F_ZORI_Cust_Menu;
