// Package directory, table files and the configuration store.
#include <filesystem>
#include <system_error>

#include "core/U_zori_func.h"
#include "platform/classes.h"
#include "platform/client_dataset.h"
#include "platform/exceptions.h"
#include "platform/registry.h"
#include "platform/strings.h"

std::string vg_Desc_Zori;
std::string v_Diretorio_Package;
std::unique_ptr<platform::TClientDataSet> vg_cds_config;

namespace {

const char* const kConfigFile = "ZORIIDEx_Config_New.xml";

// The last n characters (code points) of text, or all of it when shorter.
std::string LastChars(const std::string& text, size_t n) {
  size_t pos = text.size();
  while (n > 0 && pos > 0) {
    --pos;
    while (pos > 0 && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) --pos;
    --n;
  }
  return text.substr(pos);
}

size_t CharCount(const std::string& text) {
  size_t count = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}

}  // namespace

std::vector<std::string> FN_Chaves_Registry(uint32_t Raiz, const std::string& Chave) {
  platform::TRegistry registry;
  registry.SetRootKey(Raiz);
  platform::TStringList list;
  if (registry.OpenKey(Chave, true)) registry.GetValueNames(list);
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list[i]);
  return names;
}

std::string FN_Diretorio_Package(const std::string& Pacote) {
  const size_t length = CharCount(Pacote);
  const std::string wanted = platform::UpperAscii(Pacote);
  std::string result;
  // No early exit: when several known packages end in the name, the last one wins.
  for (const std::string& name :
       FN_Chaves_Registry(platform::HKEY_CURRENT_USER, kKnownPackagesKey)) {
    if (platform::UpperAscii(LastChars(name, length)) == wanted) result = name;
  }
  return result;
}

void PR_Abre_DataSet(platform::TClientDataSet& DataSet, const std::string& Arquivo) {
  if (v_Diretorio_Package.empty()) {
    // Joining an empty directory would name a file at the root of the file system.
    throw platform::EFileError("The package directory is unknown: \"" + std::string(kPackageFile) +
                               "\" is not among the known packages, so \"" + Arquivo +
                               "\" cannot be opened");
  }
  const std::string path = (std::filesystem::path(v_Diretorio_Package) / Arquivo).string();
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return;
  try {
    // Closing first writes a table that was open on its old file back to that file.
    DataSet.Close();
    DataSet.SetFileName(path);
    DataSet.Open();
  } catch (const std::exception& e) {
    PR_Mensagem("", std::string(e.what()) + "\r\nDirectory: " + v_Diretorio_Package +
                        "\r\nFile: " + Arquivo);
  }
}

bool FN_Locate(platform::TDataSet& DataSet, const std::string& Campo, const std::string& Valor,
               bool Exato) {
  // Data-aware controls stay still while the cursor walks, also when the walk fails.
  struct ControlsOff {
    platform::TDataSet& dataset;
    explicit ControlsOff(platform::TDataSet& d) : dataset(d) { dataset.DisableControls(); }
    ~ControlsOff() { dataset.EnableControls(); }
  } controls_off(DataSet);

  DataSet.First();
  const platform::TBookmark first = DataSet.GetBookmark();
  const std::string wanted = platform::UpperAscii(Valor);
  const platform::TField* field = DataSet.Eof() ? nullptr : DataSet.FieldByName(Campo);
  while (!DataSet.Eof()) {
    const std::string text = field->AsString();
    // Upper-casing every row only to compare it costs a copy per row and lookup.
    if (Exato ? platform::SameTextAscii(text, wanted)
              : platform::UpperAscii(text).find(wanted) != std::string::npos)
      return true;
    DataSet.Next();
  }
  if (first != 0) DataSet.GotoBookmark(first);
  return false;
}

void PR_Zerar_Tabela(platform::TDataSet& DataSet) {
  while (!DataSet.Eof()) DataSet.Delete();
}

bool FN_Existe_Valor_Config(const std::string& Chave) {
  if (!vg_cds_config) vg_cds_config = std::make_unique<platform::TClientDataSet>();
  PR_Abre_DataSet(*vg_cds_config, kConfigFile);
  return FN_Locate(*vg_cds_config, "TX_CONFIG", Chave, true);
}

platform::Variant FN_Valor_Config(const std::string& Chave) {
  if (!FN_Existe_Valor_Config(Chave)) {
    // An open table holds its file's lock; one left open after a key that is not there
    // would keep every other process from changing the settings until the next lookup.
    vg_cds_config->Close();
    return {};
  }
  platform::Variant result;
  const std::string text = vg_cds_config->FieldByName("VL_CONFIG")->AsString();
  int32_t number = 0;
  // A row whose value is no number reads as empty rather than stopping the caller.
  const bool is_number = platform::TryStrToInt(text, number);
  switch (vg_cds_config->FieldByName("ID_TIPO_DADO")->AsInteger()) {
    case static_cast<int>(tTipo_DadoConfig::tpBoolean):
      if (is_number) result = (number == 0);
      break;
    case static_cast<int>(tTipo_DadoConfig::tpInteger):
      if (is_number) result = number;
      break;
    case static_cast<int>(tTipo_DadoConfig::tpString):
      result = text;
      break;
    default:
      break;  // an unknown type code reads as empty
  }
  vg_cds_config->Close();
  return result;
}

void FN_Seta_Valor_Config(const std::string& Chave, const std::string& Valor,
                          tTipo_DadoConfig Tipo) {
  if (FN_Existe_Valor_Config(Chave))
    vg_cds_config->Edit();
  else
    vg_cds_config->Insert();
  vg_cds_config->FieldByName("TX_CONFIG")->SetAsString(Chave);
  vg_cds_config->FieldByName("VL_CONFIG")->SetAsString(Valor);
  vg_cds_config->FieldByName("ID_TIPO_DADO")->SetAsInteger(static_cast<int32_t>(Tipo));
  vg_cds_config->Post();
  vg_cds_config->Close();
}

void PR_Finaliza_U_zori_func() {
  vg_Desc_Zori.clear();
  v_Resource_Strings.clear();
  v_Diretorio_Package.clear();
  vg_cds_config.reset();
}
