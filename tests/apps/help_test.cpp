// What each command's --help promises: its inputs, its output and its exit codes.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "zori_run.h"

TEST(HelpTest, EachCommandTellsItsInputsOutputAndExitCodes) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> commands = {
      {"check", {"Usage: zori check", "--json", "--classes", "Exit 0 when every"}},
      {"parse",
       {"Usage: zori parse", "FILE", "standard input", "JSON", "standard error", "exit code is 1"}},
      {"snippets",
       {"Usage: zori snippets", "groups", "list", "find", "show", "add", "delete",
        "Exit 0 on success, 1 when nothing matched, 2 on bad input"}},
  };
  for (const auto& [command, texts] : commands) {
    const Outcome help = RunZori({command, "--help"});
    EXPECT_EQ(help.code, 0) << command;
    for (const std::string& text : texts)
      EXPECT_NE(help.out.find(text), std::string::npos) << text << " missing from\n" << help.out;
  }
}
