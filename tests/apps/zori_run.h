// Runs zori in-process, as main() does, for the command-line tests.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

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

// The lines of a text, without their breaks (CR LF or LF).
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// An empty scratch folder per test, removed at its end; zori runs with its package
// directory in root_/pkg, filled from the installed data on first use.
class ScratchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
  }
  void TearDown() override { std::filesystem::remove_all(root_); }

  // Copies a fixture folder or file to root_/name and gives where it went.
  std::filesystem::path CopyIn(const std::filesystem::path& from, const std::string& name) const {
    std::filesystem::copy(from, root_ / name, std::filesystem::copy_options::recursive);
    return root_ / name;
  }
  Outcome Zori(std::vector<std::string> args, const std::string& input = {}) const {
    args.insert(args.begin(), {"--package-dir", Pkg()});
    return RunZori(args, input);
  }
  std::string Pkg() const { return (root_ / "pkg").string(); }
  // Writes bytes to path, making its folders.
  static void Write(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  }

  const std::filesystem::path root_ =
      std::filesystem::temp_directory_path() /
      ("zori_" + std::to_string(::getpid()) + "_" +
       ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "_" +
       ::testing::UnitTest::GetInstance()->current_test_info()->name());
};
