// Runs zori in-process, as main() does, for the command-line tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

inline Outcome RunZori(const std::vector<std::string>& args, const std::string& input = {}) {
  std::ostringstream out;
  std::ostringstream err;
  std::istringstream in(input);
  const int code = zori::cli::Run(args, out, err, in);
  return {code, out.str(), err.str()};
}

// The whole content of a file, or empty when it cannot be read.
inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream stream(path, std::ios::binary);
  std::ostringstream content;
  content << stream.rdbuf();
  return content.str();
}
