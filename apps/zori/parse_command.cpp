#include "parse_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "cli.h"
#include "editor/U_funcoes_ideditor.h"
#include "ide/text_encoding.h"
#include "platform/exceptions.h"

namespace zori::cli {
namespace {

nlohmann::ordered_json TypeText(const TZORIEditorParser& parser, int index) {
  if (index < 0 || index >= parser.Types.Count()) return nullptr;
  return parser.Types.Strings(index);
}

nlohmann::ordered_json ParamsJson(const TZORIEditorParser& parser, const TStringSlotList& list) {
  nlohmann::ordered_json params = nlohmann::ordered_json::array();
  for (int i = 0; i < list.Count(); ++i) {
    nlohmann::ordered_json param;
    param["name"] = list.Strings(i);
    param["type"] = TypeText(parser, list.Objects(i));
    params.push_back(std::move(param));
  }
  return params;
}

nlohmann::ordered_json DeclarationJson(const TZORIEditorParser& parser) {
  nlohmann::ordered_json out;
  out["kind"] = FuncKindName(parser.Kind);
  out["name"] = parser.Name;
  out["params"] = ParamsJson(parser, parser.Params);
  out["var_params"] = ParamsJson(parser, parser.VarParams);
  out["result"] =
      parser.FuncResult.Count() > 0 ? TypeText(parser, parser.FuncResult.Objects(0)) : nullptr;
  nlohmann::ordered_json types = nlohmann::ordered_json::array();
  for (int i = 0; i < parser.Types.Count(); ++i) types.push_back(parser.Types.Strings(i));
  out["types"] = std::move(types);
  return out;
}

int RunParse(const std::string& file, Context& context) {
  std::string bytes;
  if (file.empty() || file == "-") {
    bytes.assign(std::istreambuf_iterator<char>(context.in), std::istreambuf_iterator<char>());
  } else {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
      context.err << "zori parse: cannot read '" << file << "': " << std::strerror(errno) << "\n";
      return 1;
    }
    std::ostringstream content;
    content << stream.rdbuf();
    bytes = std::move(content).str();
  }

  // Read as the host reads a unit (UTF-8 with or without BOM, else Windows-1252); the
  // parser stops at the first zero character, as it does in the editor's buffer.
  const std::string text = ide::DecodeText(bytes, ide::DetectEncoding(bytes));
  TZORIEditorParser parser;
  parser.Source = text.c_str();
  try {
    parser.Parse();
  } catch (const platform::Exception& e) {
    context.err << e.what() << "\n";
    return 1;
  }
  context.out << DeclarationJson(parser).dump(-1, ' ', false,
                                              nlohmann::ordered_json::error_handler_t::replace)
              << "\n";
  return 0;
}

}  // namespace

void AddParseCommand(CLI::App& app, Context& context, int& exit_code) {
  auto* command = app.add_subcommand(
      "parse",
      "Read the first routine or unit declaration of FILE (or of standard input when FILE is "
      "missing or '-') and print it as one JSON object: kind, name, params, var_params, "
      "result, types. Text before the first declaration keyword is skipped; the text is UTF-8 "
      "or Windows-1252 and ends at its first zero byte. On a parse error the message alone "
      "goes to standard error and the exit code is 1.");
  auto file = std::make_shared<std::string>();
  command->add_option("FILE", *file, "unit source or text holding the declaration");
  command->callback([file, &context, &exit_code] { exit_code = RunParse(*file, context); });
}

}  // namespace zori::cli
