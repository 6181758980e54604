#include "core/U_zori_resource.h"

#include <cstdio>
#include <filesystem>

#include "core/U_zori_func.h"
#include "core/U_zori_tpl_modal.h"
#include "core/xpm_image.h"
#include "platform/client_dataset.h"
#include "platform/exceptions.h"
#include "platform/image_list.h"

TF_ZORI_Resource* F_ZORI_Resource = nullptr;

TF_ZORI_Resource::TF_ZORI_Resource()
    : platform::TForm(FN_Classe_Janela("TF_ZORI_Resource", "TForm")) {
  SetName("F_ZORI_Resource");

  cds_Resources = Create<platform::TClientDataSet>(*this);
  cds_Resources->SetName("cds_Resources");
  cds_Resources->FieldDefs().Add("NM_FORM", platform::ftString, 60);
  cds_Resources->FieldDefs().Add("NM_COMPONENTE", platform::ftString, 60);
  cds_Resources->FieldDefs().Add("TX_REFERENTE", platform::ftString, 400);
  cds_Resources->FieldDefs().Add("DS_COMP", platform::ftString, 300).FieldKind =
      platform::fkCalculated;
  cds_Resources->OnCalcFields = [](platform::TDataSet* dataset) {
    dataset->FieldByName("DS_COMP")->SetAsString(dataset->FieldByName("NM_FORM")->AsString() + "." +
                                                 dataset->FieldByName("NM_COMPONENTE")->AsString());
  };

  il_Menu = Create<platform::TImageList>(*this);
  il_Menu->SetName("il_Menu");
  il_Menu->SetWidth(16);
  il_Menu->SetHeight(16);

  FormCreate();
}

void TF_ZORI_Resource::FormCreate() {
  // A store that cannot be read stops the creation here, as it always did; a catalogue
  // name that is refused is reported below like a file that fails to open.
  FN_Valor_Config("edt_Resources");
  try {
    cds_Resources->DisableControls();
    PR_Abre_DataSet(*cds_Resources, FN_Arquivo_Resources());
  } catch (const std::exception& e) {
    PR_Mensagem("", std::string(e.what()) + "\r\nOnCreate: F_ZORI_Resource");
  }
  std::vector<TResource_String> entries;
  if (cds_Resources->Active()) {
    entries.reserve(cds_Resources->RecordCount());
    // A row that cannot be read ends the loading; the rows copied so far stay usable.
    try {
      cds_Resources->First();
      while (!cds_Resources->Eof()) {
        entries.push_back({cds_Resources->FieldByName("NM_FORM")->AsString(),
                           cds_Resources->FieldByName("NM_COMPONENTE")->AsString(),
                           cds_Resources->FieldByName("TX_REFERENTE")->AsString()});
        cds_Resources->Next();
      }
    } catch (const platform::Exception&) {
      // Loading stops silently here, as the catalogue promises; what was read is kept.
    }
  }
  v_Resource_Strings = std::move(entries);
  LoadMenuImages();
}

void TF_ZORI_Resource::LoadMenuImages() {
  // The pictures ship with the package data, beside the table files.
  for (int index = 0; index < kMenuImages; ++index) {
    char file[32];
    std::snprintf(file, sizeof file, "menu_%02d.xpm", index);
    const std::string path =
        (std::filesystem::path(v_Diretorio_Package) / "images" / file).string();
    platform::TBitmap picture;
    std::string err;
    // A missing picture leaves a blank one, so the indices of the others hold.
    if (v_Diretorio_Package.empty() || !FN_Le_Xpm(path, picture, &err)) picture.SetSize(16, 16);
    il_Menu->Add(picture);
  }
}
