#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#ifdef ZORI_GUI
#include "gui_command.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
#ifdef ZORI_GUI
  return zori::cli::Run(args, std::cout, std::cerr, std::cin, zori::cli::AddGuiCommand);
#else
  return zori::cli::Run(args, std::cout, std::cerr, std::cin);
#endif
}
