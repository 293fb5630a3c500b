// Program entry: creates the process-wide objects and hands the arguments to the command line,
// with the window as the mode chosen when no batch mode is given.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "driver/tavrel.h"
#include "gui/screen_interface.h"
#include "pipeline/context.h"

namespace {

// The bitmaps are installed beside the program, wherever it is started from.
std::string icon_directory(const char* program) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::canonical("/proc/self/exe", error);
  if (error) path = std::filesystem::absolute(program, error);
  return path.parent_path().generic_string() + "/icones";
}

}  // namespace

int main(int argc, char** argv) {
  // Nothing here writes through C stdio. The streams' own buffers let the debugger see whether
  // the next input line is already there, and so flush its output only before it would wait.
  std::ios::sync_with_stdio(false);
  std::error_code error;
  std::string startup_directory = std::filesystem::current_path(error).string();
  CONTEXT context(std::cin, std::cout, std::cerr, startup_directory);
  std::vector<std::string> arguments(argv + 1, argv + argc);
  const std::string icons = icon_directory(argv[0]);
  return run_tavrel(context, arguments,
                    [&icons](CONTEXT& c) { return std::make_unique<SCREEN_INTERFACE>(c, icons); });
}
