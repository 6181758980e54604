#include "config_command.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iomanip>
#include <iostream>
#include <optional>
#include <string>

#include "addin_session.h"
#include "cli.h"
#include "core/U_zori_func.h"
#include "platform/classes.h"
#include "platform/client_dataset.h"
#include "platform/exceptions.h"

namespace zori::cli {
namespace {

const char* const kConfigFile = "ZORIIDEx_Config_New.xml";

const char* TypeName(int code) {
  switch (code) {
    case 0:
      return "boolean";
    case 1:
      return "integer";
    case 2:
      return "string";
    default:
      return "unknown";
  }
}

std::optional<tTipo_DadoConfig> ParseType(const std::string& name) {
  const std::string upper = platform::UpperAscii(name);
  if (upper == "BOOLEAN") return tTipo_DadoConfig::tpBoolean;
  if (upper == "INTEGER") return tTipo_DadoConfig::tpInteger;
  if (upper == "STRING") return tTipo_DadoConfig::tpString;
  return std::nullopt;
}

size_t CharCount(const std::string& text) {
  size_t count = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}

// Longer than a text field of size characters (a size of 0 holds any length).
bool TooLong(const std::string& text, int32_t size) {
  return size > 0 && CharCount(text) > static_cast<size_t>(size);
}

// A value as the user reads it: Booleans as true/false.
std::string Show(const platform::Variant& value) {
  if (value.Type() == platform::VarType::Boolean) return value.AsBoolean() ? "true" : "false";
  return value.AsString();
}

// Runs body with the add-in loaded; a missing store is reported with where it was looked
// for, any other error with its message.
int WithStore(Context& context, const std::function<int(AddinSession&)>& body) {
  AddinSession session(context);
  std::string err;
  if (!session.Load(&err)) {
    context.err << "zori: " << err << "\n";
    return 2;
  }
  const std::filesystem::path file = std::filesystem::path(session.PackageDir()) / kConfigFile;
  if (const std::string note = session.MissingStoreNote(); !note.empty()) {
    context.err << "zori: " << note << "\n";
    return 1;
  }
  try {
    return body(session);
  } catch (const std::exception& e) {
    // An unreadable or unwritable store is bad input: the user has a file to repair.
    // The file layer's own errors already begin with the file's name.
    const std::string what = e.what();
    const bool named = what.rfind(file.string(), 0) == 0;
    context.err << "zori: " << (named ? "" : file.string() + ": ") << what << "\n";
    return 2;
  }
}

int List(Context& context) {
  return WithStore(context, [&context](AddinSession&) {
    // The keys and their type codes in file order; each value is read the store's way.
    std::vector<std::pair<std::string, int>> rows;
    {
      platform::TClientDataSet table;
      PR_Abre_DataSet(table, kConfigFile);
      table.First();
      while (!table.Eof()) {
        rows.emplace_back(table.FieldByName("TX_CONFIG")->AsString(),
                          table.FieldByName("ID_TIPO_DADO")->AsInteger());
        table.Next();
      }
      table.Close();
    }
    size_t width = 0;
    for (const auto& row : rows) width = std::max(width, row.first.size());
    for (const auto& [key, type] : rows) {
      context.out << std::left << std::setw(static_cast<int>(width)) << key << "  " << std::setw(7)
                  << TypeName(type) << "  " << Show(FN_Valor_Config(key)) << "\n";
    }
    return 0;
  });
}

int Get(Context& context, const std::string& key) {
  return WithStore(context, [&context, &key](AddinSession&) {
    if (!FN_Existe_Valor_Config(key)) {
      context.err << "zori: " << key << " is not in the configuration store (it reads as "
                  << "false, 0 or empty)\n";
      return 1;
    }
    context.out << Show(FN_Valor_Config(key)) << "\n";
    return 0;
  });
}

int Set(Context& context, const std::string& key, const std::string& value,
        const std::string& type_name) {
  return WithStore(context, [&](AddinSession&) {
    std::optional<tTipo_DadoConfig> type;
    const bool exists = FN_Existe_Valor_Config(key);
    const int32_t key_size = vg_cds_config->FieldByName("TX_CONFIG")->Size();
    const int32_t value_size = vg_cds_config->FieldByName("VL_CONFIG")->Size();
    const int stored_type = exists ? vg_cds_config->FieldByName("ID_TIPO_DADO")->AsInteger() : -1;
    vg_cds_config->Close();
    // The store would keep only what fits of a longer key or value and call it done.
    if (TooLong(key, key_size)) {
      context.err << "zori: a key holds at most " << key_size << " characters; this one has "
                  << CharCount(key) << "\n";
      return 2;
    }
    if (!type_name.empty()) {
      type = ParseType(type_name);
      if (!type) {
        context.err << "zori: --type must be boolean, integer or string, not '" << type_name
                    << "'\n";
        return 2;
      }
    } else if (exists) {
      type = static_cast<tTipo_DadoConfig>(stored_type);
    } else {
      context.err << "zori: " << key << " is a new key; give its --type (boolean, integer or "
                  << "string)\n";
      return 2;
    }
    std::string stored = value;
    if (*type == tTipo_DadoConfig::tpBoolean) {
      const std::string upper = platform::UpperAscii(value);
      if (upper != "TRUE" && upper != "FALSE") {
        context.err << "zori: a boolean is given as true or false, not '" << value << "'\n";
        return 2;
      }
      stored = FN_Boolean_Config(upper == "TRUE");
    } else if (*type == tTipo_DadoConfig::tpInteger) {
      int32_t number = 0;
      if (!platform::TryStrToInt(value, number)) {
        context.err << "zori: '" << value << "' is not an integer\n";
        return 2;
      }
      stored = std::to_string(number);
    } else if (*type != tTipo_DadoConfig::tpString) {
      context.err << "zori: " << key << " has an unknown type code; give its --type\n";
      return 2;
    }
    if (TooLong(stored, value_size)) {
      context.err << "zori: a value holds at most " << value_size << " characters; this one has "
                  << CharCount(stored) << "\n";
      return 2;
    }
    FN_Seta_Valor_Config(key, stored, *type);
    return 0;
  });
}

}  // namespace

void AddConfigCommand(CLI::App& app, Context& context, int& exit_code) {
  CLI::App* config = app.add_subcommand("config", "read and write the configuration store");
  config->require_subcommand(1);

  CLI::App* list = config->add_subcommand("list", "print every key with its type and value");
  list->callback([&context, &exit_code] { exit_code = List(context); });

  auto key = std::make_shared<std::string>();
  CLI::App* get = config->add_subcommand("get", "print the value of KEY (letter case ignored)");
  get->add_option("KEY", *key, "configuration key")->required();
  get->callback([&context, &exit_code, key] { exit_code = Get(context, *key); });

  auto set_key = std::make_shared<std::string>();
  auto value = std::make_shared<std::string>();
  auto type = std::make_shared<std::string>();
  CLI::App* set = config->add_subcommand(
      "set", "write VALUE under KEY (a boolean as true or false; the store keeps \"0\" for true)");
  set->add_option("KEY", *set_key, "configuration key, stored in the letter case given")
      ->required();
  set->add_option("VALUE", *value, "the value")->required();
  set->add_option("--type", *type, "boolean, integer or string (default: the key's own type)")
      ->option_text("TYPE");
  set->callback([&context, &exit_code, set_key, value, type] {
    exit_code = Set(context, *set_key, *value, *type);
  });
}

}  // namespace zori::cli
