#include "designer/U_zori_sel_foco.h"

#include "core/U_funcoes_iota.h"
#include "core/U_zori_func.h"
#include "ide/ToolsAPI.h"
#include "platform/buttons.h"
#include "platform/classes.h"
#include "platform/client_dataset.h"
#include "platform/com_controls.h"
#include "platform/data_source.h"
#include "platform/db_controls.h"
#include "platform/ext_controls.h"
#include "platform/field.h"
#include "platform/std_controls.h"
#include "platform/strings.h"

TF_ZORI_Sel_Foco* F_ZORI_Sel_Foco = nullptr;

namespace {

const char* const kTabela = "ZORIIDEx_CLDTS.xml";

// True when value is the Boolean true; text or numbers that merely read as true do not count.
bool IsTrue(const platform::Variant& value) {
  return value.Type() == platform::VarType::Boolean && value.AsBoolean();
}

std::shared_ptr<ide::IOTAModuleServices> ModuleServices() {
  return ide::Supports<ide::IOTAModuleServices>(ide::BorlandIDEServices);
}

}  // namespace

TF_ZORI_Sel_Foco::TF_ZORI_Sel_Foco() : TF_ZORI_Tpl_Modal("F_ZORI_Sel_Foco", "TF_ZORI_Sel_Foco") {
  SetCaption("Fechar tDataSets");
  SetClientWidth(380);
  pnl_Back->SetHeight(209);
  pnl_down->SetTop(209);

  cds_Classes = Create<platform::TClientDataSet>(*this);
  cds_Classes->SetName("cds_Classes");
  ds_Classes = Create<platform::TDataSource>(*this);
  ds_Classes->SetName("ds_Classes");
  ds_Classes->SetDataSet(cds_Classes);

  pgc_Master = Create<platform::TPageControl>(*this);
  pgc_Master->SetName("pgc_Master");
  pgc_Master->SetParent(pnl_Back);
  pgc_Master->SetBounds(1, 1, 378, 199);

  TS_ALVO = Create<platform::TTabSheet>(*this);
  TS_ALVO->SetName("TS_ALVO");
  TS_ALVO->SetPageControl(pgc_Master);
  TS_ALVO->SetCaption("TS_ALVO");

  rg_Tipo = Create<platform::TRadioGroup>(*this);
  rg_Tipo->SetName("rg_Tipo");
  rg_Tipo->SetParent(TS_ALVO);
  rg_Tipo->SetBounds(4, 2, 362, 41);
  rg_Tipo->SetCaption(" Fechar datasets ");
  rg_Tipo->SetColumns(2);
  rg_Tipo->Items().Add("apenas no formulário atual1");
  rg_Tipo->Items().Add("todos os formulários abertos1");
  rg_Tipo->OnClick = [this](platform::TObject* sender) { rg_TipoClick(sender); };

  clb_Units_Abertas = Create<platform::TCheckListBox>(*this);
  clb_Units_Abertas->SetName("clb_Units_Abertas");
  clb_Units_Abertas->SetParent(TS_ALVO);
  clb_Units_Abertas->SetBounds(4, 46, 362, 122);

  TS_COMPS = Create<platform::TTabSheet>(*this);
  TS_COMPS->SetName("TS_COMPS");
  TS_COMPS->SetPageControl(pgc_Master);
  TS_COMPS->SetCaption("TS_COMPS");

  lbl_locate = Create<platform::TLabel>(*this);
  lbl_locate->SetName("lbl_locate");
  lbl_locate->SetParent(TS_COMPS);
  lbl_locate->SetBounds(4, 6, 36, 13);
  lbl_locate->SetCaption("Locate");

  dblc_nm_classe = Create<platform::TDBLookupComboBox>(*this);
  dblc_nm_classe->SetName("dblc_nm_classe");
  dblc_nm_classe->SetParent(TS_COMPS);
  dblc_nm_classe->SetBounds(44, 2, 180, 21);
  dblc_nm_classe->SetListSource(ds_Classes);
  dblc_nm_classe->SetKeyField("NM_CLASSE");
  dblc_nm_classe->SetListField("NM_CLASSE");

  dbn_nav = Create<platform::TDBNavigator>(*this);
  dbn_nav->SetName("dbn_nav");
  dbn_nav->SetParent(TS_COMPS);
  dbn_nav->SetBounds(228, 2, 140, 21);
  dbn_nav->SetDataSource(ds_Classes);
  dbn_nav->SetVisibleButtons({platform::nbFirst, platform::nbPrior, platform::nbNext,
                              platform::nbLast, platform::nbInsert, platform::nbDelete,
                              platform::nbEdit, platform::nbPost, platform::nbCancel});
  dbn_nav->SetPropValue("ShowHint", true, false);

  DBG_Lista = Create<platform::TDBGrid>(*this);
  DBG_Lista->SetName("DBG_Lista");
  DBG_Lista->SetParent(TS_COMPS);
  DBG_Lista->SetBounds(4, 26, 364, 142);
  DBG_Lista->SetDataSource(ds_Classes);
  platform::TColumn& classe = DBG_Lista->Columns().Add();
  classe.FieldName = "NM_CLASSE";
  classe.Width = 164;
  platform::TColumn& propriedade = DBG_Lista->Columns().Add();
  propriedade.FieldName = "NM_PROPRIEDADE";
  propriedade.Width = 184;

  prb_Prog = Create<platform::TProgressBar>(*this);
  prb_Prog->SetName("prb_Prog");
  prb_Prog->SetParent(pnl_Back);
  prb_Prog->SetBounds(1, 200, 378, 8);
  prb_Prog->SetVisible(false);

  bbtn_Ok->OnClick = [this](platform::TObject* sender) { btn_OkClick(sender); };
}

void TF_ZORI_Sel_Foco::FormShow(platform::TObject* Sender) {
  TF_ZORI_Tpl_Modal::FormShow(Sender);
  pgc_Master->SetActivePage(TS_ALVO);
  PR_Abre_DataSet(*cds_Classes, kTabela);
  DBG_Lista->Columns().Items(0).Title.Caption =
      FN_Get_Component_StringResource("F_ZORI_Sel_Foco", "DBG_Lista.Columns.Items.0");
  DBG_Lista->Columns().Items(1).Title.Caption =
      FN_Get_Component_StringResource("F_ZORI_Sel_Foco", "DBG_Lista.Columns.Items.1");
  prb_Prog->SetVisible(false);
  rg_Tipo->SetItemIndex(Tag());
  PR_Lista_Abertos();
  rg_TipoClick(rg_Tipo);
}

void TF_ZORI_Sel_Foco::PR_Lista_Abertos() {
  platform::TStringList& items = clb_Units_Abertas->Items();
  // One change for the whole list: a large project lists thousands of units.
  items.BeginUpdate();
  items.Clear();
  if (auto services = ModuleServices()) {
    for (int i = 0; i < services->GetModuleCount(); ++i) {
      if (auto module = services->GetModule(i)) items.Add(module->GetFileName());
    }
  }
  items.EndUpdate();
  if (items.Count() > 0) clb_Units_Abertas->SetItemIndex(0);
}

void TF_ZORI_Sel_Foco::rg_TipoClick(platform::TObject*) {
  if (rg_Tipo->ItemIndex() == 0) return;
  for (int i = 0; i < clb_Units_Abertas->Items().Count(); ++i)
    clb_Units_Abertas->SetChecked(i, true);
}

void TF_ZORI_Sel_Foco::btn_OkClick(platform::TObject*) {
  // The platform here has no mouse cursor to turn into an hourglass; the run itself is
  // what the handler is for, and an error in it goes on to whoever pressed OK.
  PR_Aplica_Regra();
}

void TF_ZORI_Sel_Foco::PR_Aplica_Regra() {
  if (rg_Tipo->ItemIndex() == 0) {
    PR_Fecha_DataSets(core::GetActiveFormEditor());
  } else {
    PR_Fecha_Selecao();
  }
}

void TF_ZORI_Sel_Foco::PR_Fecha_Selecao() {
  auto services = ModuleServices();
  if (!services) return;
  const int count = services->GetModuleCount();
  prb_Prog->SetVisible(true);
  prb_Prog->SetMin(0);
  prb_Prog->SetMax(count);
  prb_Prog->SetPosition(0);
  const bool todos = rg_Tipo->ItemIndex() == 2;
  for (int i = 0; i < count; ++i) {
    auto module = services->GetModule(i);
    if (!module) continue;
    if (todos) {
      PR_Fecha_DataSets(core::GetFormEditorFromModule(module));
    } else {
      const std::string file = module->GetFileName();
      const platform::TStringList& items = clb_Units_Abertas->Items();
      for (int entry = 0; entry < items.Count(); ++entry) {
        if (!platform::SameTextUnicode(items[entry], file)) continue;
        if (clb_Units_Abertas->Checked(entry))
          PR_Fecha_DataSets(core::GetFormEditorFromModule(module));
        break;  // the first entry of that name decides
      }
    }
    prb_Prog->SetPosition(prb_Prog->Position() + 1);
  }
}

void TF_ZORI_Sel_Foco::PR_Fecha_DataSets(const std::shared_ptr<ide::IOTAFormEditor>& FormEditor) {
  if (!FormEditor) return;
  platform::TComponent* root = core::GetTComponent(FormEditor->GetRootComponent());
  if (root == nullptr) return;
  bool fechou = false;
  for (int i = 0; i < root->ComponentCount(); ++i) {
    platform::TComponent& component = *root->Components(i);
    if (component.InheritsFrom("TDataSet")) {
      // Datasets close by their own rule, whatever the table says of their class.
      if (IsTrue(component.GetPropValue("Active"))) {
        fechou = true;
        component.SetPropValue("Active", false, false);
      }
      continue;
    }
    if (!FN_Locate(*cds_Classes, "NM_CLASSE", component.ClassName(), true)) continue;
    const std::string propriedade = cds_Classes->FieldByName("NM_PROPRIEDADE")->AsString();
    if (propriedade.empty() || !component.HasProperty(propriedade)) continue;
    if (!IsTrue(component.GetPropValue(propriedade))) continue;
    component.SetPropValue(propriedade, false, false);
    // A connection switched off is a change of the form like a closed dataset: unmarked, it
    // would never be saved and the form would ship connected.
    fechou = true;
  }
  if (fechou) FormEditor->MarkModified();
}
