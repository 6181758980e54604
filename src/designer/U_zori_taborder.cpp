#include "designer/U_zori_taborder.h"

#include <algorithm>

#include "core/U_funcoes_iota.h"
#include "core/U_zori_func.h"
#include "ide/ToolsAPI.h"
#include "platform/buttons.h"
#include "platform/classes.h"
#include "platform/ext_controls.h"
#include "platform/std_controls.h"
#include "platform/strings.h"
#include "platform/tree_view.h"

TF_ZORI_TabOrder* F_ZORI_TabOrder = nullptr;

namespace {

// The first node in tree order with that text, by walking the whole tree.
platform::TTreeNode* WalkFor(const platform::TTreeView& tree, const std::string& text) {
  for (platform::TTreeNode* node = tree.Items().GetFirstNode(); node != nullptr;
       node = node->GetNext()) {
    if (node->Text() == text) return node;
  }
  return nullptr;
}

}  // namespace

bool FN_Tem_TabOrder(const platform::TComponent& component) {
  return component.ClassInfo().FindProperty("TabOrder") != nullptr;
}

void TF_ZORI_TabOrder::NameIndex::Clear() {
  first.clear();
  repeated.clear();
}

void TF_ZORI_TabOrder::NameIndex::Add(platform::TTreeNode* node) {
  if (!first.emplace(node->Text(), node).second) repeated.insert(node->Text());
}

TF_ZORI_TabOrder::TF_ZORI_TabOrder() : TF_ZORI_Tpl_Modal("F_ZORI_TabOrder", "TF_ZORI_TabOrder") {
  SetCaption("Validação de TabOrder");
  pnl_Back->SetHeight(273);
  pnl_down->SetTop(273);
  bbtn_Ok->SetLeft(162);
  bbtn_Cancel->SetLeft(237);

  lbl_indicado = Create<platform::TLabel>(*this);
  lbl_indicado->SetName("lbl_indicado");
  lbl_indicado->SetParent(pnl_Back);
  lbl_indicado->SetBounds(16, 8, 95, 13);
  lbl_indicado->SetCaption("TabOrder Indicado");

  tv_tab_order_correto = Create<platform::TTreeView>(*this);
  tv_tab_order_correto->SetName("tv_tab_order_correto");
  tv_tab_order_correto->SetParent(pnl_Back);
  tv_tab_order_correto->SetBounds(16, 24, 297, 217);
  tv_tab_order_correto->SetPropValue("Color", "clInfoBk", false);
  tv_tab_order_correto->OnClick = [this](platform::TObject* sender) {
    tv_tab_order_corretoClick(sender);
  };

  chk_n_ActiveControl = Create<platform::TCheckBox>(*this);
  chk_n_ActiveControl->SetName("chk_n_ActiveControl");
  chk_n_ActiveControl->SetParent(pnl_Back);
  chk_n_ActiveControl->SetBounds(16, 248, 297, 17);
  chk_n_ActiveControl->SetPropValue("Alignment", "taLeftJustify", false);
  chk_n_ActiveControl->SetCaption("Setar o item selecionado como ActiveControl");

  tv_Resultado = Create<platform::TTreeView>(*this);
  tv_Resultado->SetName("tv_Resultado");
  tv_Resultado->SetParent(pnl_Back);
  tv_Resultado->SetBounds(16, 24, 297, 217);
  tv_Resultado->SetVisible(false);

  bbtn_Ok->OnClick = [this](platform::TObject* sender) { bbtn_OkClick(sender); };
}

void TF_ZORI_TabOrder::FormShow(platform::TObject* Sender) {
  PR_Pega_Form_Ativo(core::GetActiveFormEditor());
  if (form_ == nullptr) return;  // told and closing: nothing else runs
  PR_Monta_Arvore_Normal();
  PR_TabOrder_Atual();
  TF_ZORI_Tpl_Modal::FormShow(Sender);
  if (platform::TTreeNode* root = tv_tab_order_correto->Items().GetFirstNode()) root->Expand(true);
  PR_ActiveControl_Indicado();
}

void TF_ZORI_TabOrder::PR_Pega_Form_Ativo(const std::shared_ptr<ide::IOTAFormEditor>& form_editor) {
  form_editor_ = form_editor;
  form_ = form_editor != nullptr ? core::GetTComponent(form_editor->GetRootComponent()) : nullptr;
  components_.clear();
  repeated_components_.clear();
  if (form_ != nullptr) {
    for (int i = 0; i < form_->ComponentCount(); ++i) {
      platform::TComponent* component = form_->Components(i);
      if (!components_.emplace(component->Name(), component).second)
        repeated_components_.insert(component->Name());
    }
    return;
  }
  PR_Mensagem(vg_Desc_Zori, FN_Get_Component_StringResource("", "msg_NoActiveForm_Ok"));
  Close();
}

void TF_ZORI_TabOrder::PR_Monta_Arvore_Normal() {
  platform::TTreeNodes& items = tv_Resultado->Items();
  items.Clear();
  containment_index_.Clear();
  if (form_ == nullptr) return;
  containment_index_.Add(items.Add(nullptr, form_->Name()));
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    platform::TComponent* component = form_->Components(i);
    auto* control = dynamic_cast<platform::TWinControl*>(component);
    if (control == nullptr) continue;
    platform::TTreeNode* parent =
        control->Parent() != nullptr ? FN_Localiza_Pai(control->Parent()->Name()) : nullptr;
    // A control whose parent has no node yet lands at root level, after the form's node.
    containment_index_.Add(parent != nullptr ? items.AddChild(parent, control->Name())
                                             : items.Add(nullptr, control->Name()));
  }
}

void TF_ZORI_TabOrder::PR_TabOrder_Atual() {
  platform::TTreeNodes& items = tv_tab_order_correto->Items();
  items.Clear();
  suggested_index_.Clear();
  if (form_ == nullptr) return;
  suggested_index_.Add(items.Add(nullptr, form_->Name()));
  // Only the form's subtree: controls left at root level are neither ordered nor written.
  if (const platform::TTreeNode* root = tv_Resultado->Items().GetFirstNode())
    PR_Ordena_Nivel(*root);
}

void TF_ZORI_TabOrder::PR_Ordena_Nivel(const platform::TTreeNode& n) {
  struct Entry {
    int32_t top;
    int32_t left;
    const std::string* name;
  };
  std::vector<Entry> entries;
  entries.reserve(n.Count());
  for (int i = 0; i < n.Count(); ++i) {
    const auto* control = dynamic_cast<platform::TControl*>(FN_Pega_Componente(n[i]->Text()));
    if (control == nullptr) continue;
    entries.push_back({control->Top(), control->Left(), &n[i]->Text()});
  }
  // By the numbers, so negative positions order as they lie on the screen; names that
  // compare equal keep the form's component order.
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    if (a.top != b.top) return a.top < b.top;
    if (a.left != b.left) return a.left < b.left;
    return platform::CompareTextLocale(*a.name, *b.name) < 0;
  });
  platform::TTreeNode* target = FN_Localiza_Correspondente(&n);
  if (target != nullptr) {
    for (const Entry& entry : entries)
      suggested_index_.Add(tv_tab_order_correto->Items().AddChild(target, *entry.name));
  }
  for (int i = 0; i < n.Count(); ++i) PR_Ordena_Nivel(*n[i]);
}

void TF_ZORI_TabOrder::PR_ActiveControl_Indicado() {
  platform::TTreeNode* first = tv_tab_order_correto->Items().GetFirstNode();
  if (first == nullptr) return;
  for (platform::TTreeNode* node = first->GetNext(); node != nullptr; node = node->GetNext()) {
    const platform::Variant tab_stop = core::FN_Pega_Propriedade(
        form_editor_, node->Text(), "TabStop", core::tTipo_Prop::tpBoolean);
    if (!tab_stop.IsEmpty() && tab_stop.AsBoolean()) {
      tv_tab_order_correto->SetSelected(node);
      return;
    }
  }
}

void TF_ZORI_TabOrder::PR_Corrige_TabOrder() {
  if (const platform::TTreeNode* root = tv_tab_order_correto->Items().GetFirstNode())
    PR_Corrige_Nivel(*root);
  if (form_editor_ != nullptr) form_editor_->MarkModified();
}

void TF_ZORI_TabOrder::PR_Corrige_Nivel(const platform::TTreeNode& n) {
  const std::shared_ptr<ide::IOTAFormEditor> editor = core::GetActiveFormEditor();
  if (editor == nullptr) return;
  for (int i = n.Count() - 1; i >= 0; --i) {
    const platform::TComponent* component = FN_Pega_Componente(n[i]->Text());
    if (component != nullptr && FN_Tem_TabOrder(*component)) {
      // Writing 0 moves the control to the front of its parent's tab list.
      if (auto designed = editor->FindComponent(n[i]->Text()))
        core::PR_Seta_Propriedade(designed, "TabOrder", 0, core::tTipo_Prop::tpInteger);
    }
    PR_Corrige_Nivel(*n[i]);
  }
}

void TF_ZORI_TabOrder::bbtn_OkClick(platform::TObject*) {
  PR_Corrige_TabOrder();
  if (!chk_n_ActiveControl->Checked()) return;
  const platform::TTreeNode* node = tv_tab_order_correto->Selected();
  if (node == nullptr) return;
  // The form's own node names no owned component and so clears the active control.
  auto* control = dynamic_cast<platform::TWinControl*>(FN_Pega_Componente(node->Text()));
  if (auto* form = dynamic_cast<platform::TCustomForm*>(form_)) {
    form->SetActiveControl(control);
  } else if (form_->HasProperty("ActiveControl")) {
    // A designed form is the designer's own object: the property is set on it directly.
    form_->SetPropValue("ActiveControl", control != nullptr ? control->Name() : std::string());
  }
  if (form_editor_ != nullptr) form_editor_->MarkModified();
}

void TF_ZORI_TabOrder::tv_tab_order_corretoClick(platform::TObject*) {
  const platform::TTreeNode* node = tv_tab_order_correto->Selected();
  if (node == nullptr || node == tv_tab_order_correto->Items().GetFirstNode()) return;
  core::FN_Seleciona_Componente(node->Text());
}

platform::TTreeNode* TF_ZORI_TabOrder::FN_Localiza_Pai(const std::string& name) const {
  if (containment_index_.repeated.count(name) != 0) return WalkFor(*tv_Resultado, name);
  auto it = containment_index_.first.find(name);
  return it != containment_index_.first.end() ? it->second : nullptr;
}

platform::TTreeNode* TF_ZORI_TabOrder::FN_Localiza_Correspondente(
    const platform::TTreeNode* node) const {
  if (node == nullptr) return nullptr;
  if (suggested_index_.repeated.count(node->Text()) != 0)
    return WalkFor(*tv_tab_order_correto, node->Text());
  auto it = suggested_index_.first.find(node->Text());
  return it != suggested_index_.first.end() ? it->second : nullptr;
}

platform::TComponent* TF_ZORI_TabOrder::FN_Pega_Componente(const std::string& name) const {
  if (form_ == nullptr) return nullptr;
  if (repeated_components_.count(name) != 0) {
    for (int i = 0; i < form_->ComponentCount(); ++i) {
      if (form_->Components(i)->Name() == name) return form_->Components(i);
    }
  }
  auto it = components_.find(name);
  return it != components_.end() ? it->second : nullptr;
}
