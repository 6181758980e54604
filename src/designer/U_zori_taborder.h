// TF_ZORI_TabOrder: proposes the tab order of the form open in the designer from the
// screen positions of its windowed controls (inside each container top to bottom, then
// left to right, then by name) and, on OK, rewrites every TabOrder so the real order
// matches; optionally makes the selected control the form's ActiveControl.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/U_zori_tpl_modal.h"

namespace ide {
class IOTAFormEditor;
}
namespace platform {
class TCheckBox;
class TComponent;
class TControl;
class TTreeNode;
class TTreeView;
}  // namespace platform

class TF_ZORI_TabOrder : public TF_ZORI_Tpl_Modal {
 public:
  TF_ZORI_TabOrder();

  platform::TLabel* lbl_indicado = nullptr;
  platform::TTreeView* tv_tab_order_correto = nullptr;
  platform::TCheckBox* chk_n_ActiveControl = nullptr;
  platform::TTreeView* tv_Resultado = nullptr;

  // Without an active form: the message "msg_NoActiveForm_Ok" and the window closes;
  // otherwise both trees are built and the first tab stop is preselected.
  void FormShow(platform::TObject* Sender) override;

  // Keeps the form editor and its live form; tells the user and closes the window when
  // there is no form (the form object stays none).
  void PR_Pega_Form_Ativo(const std::shared_ptr<ide::IOTAFormEditor>& form_editor);
  // The containment tree: the form's node, every form-owned windowed control under its
  // parent's node in component order.
  void PR_Monta_Arvore_Normal();
  // The suggested-order tree: the containment tree's shape, each node's children ordered
  // by Top, then Left, then name (letter case ignored, the user's locale).
  void PR_TabOrder_Atual();
  // Selects the first node in tree order (the form's own node skipped) whose control is a
  // tab stop; no selection when there is none.
  void PR_ActiveControl_Indicado();
  // Writes 0 to every sibling's TabOrder from the last to the first, so each container's
  // controls end 0, 1, 2 ... in suggested order; then marks the form modified.
  void PR_Corrige_TabOrder();

  void bbtn_OkClick(platform::TObject* Sender);
  void tv_tab_order_corretoClick(platform::TObject* Sender);

  // The first containment node, in tree order, with that text (exact); nullptr if none.
  platform::TTreeNode* FN_Localiza_Pai(const std::string& name) const;
  // The first suggested-tree node, in tree order, with the node's text; nullptr if none.
  platform::TTreeNode* FN_Localiza_Correspondente(const platform::TTreeNode* node) const;
  // The first component the form owns with that name (exact); nullptr if none.
  platform::TComponent* FN_Pega_Componente(const std::string& name) const;

  // The live form the window works on; nullptr when there is none.
  platform::TComponent* Form() const { return form_; }

 private:
  // One level of the suggested tree: the children of containment node n, ordered.
  void PR_Ordena_Nivel(const platform::TTreeNode& n);
  // One level of the correction: the children of suggested node n, last to first.
  void PR_Corrige_Nivel(const platform::TTreeNode& n);

  std::shared_ptr<ide::IOTAFormEditor> form_editor_;
  platform::TComponent* form_ = nullptr;
  // First node or component of each name, so the lookups need no walk over the whole
  // tree or form; a name met twice falls back to the walk, which then decides.
  struct NameIndex {
    std::unordered_map<std::string, platform::TTreeNode*> first;
    std::unordered_set<std::string> repeated;
    void Clear();
    void Add(platform::TTreeNode* node);
  };
  NameIndex containment_index_;
  NameIndex suggested_index_;
  std::unordered_map<std::string, platform::TComponent*> components_;
  std::unordered_set<std::string> repeated_components_;
};

// The window while it is open; none otherwise.
extern TF_ZORI_TabOrder* F_ZORI_TabOrder;

// Whether a control's class publishes TabOrder, so the designer may write it (tab sheets
// and status bars are windowed but keep no tab order of their own).
bool FN_Tem_TabOrder(const platform::TComponent& component);
