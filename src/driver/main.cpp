// Program entry: creates the process-wide objects and hands the arguments to the command line.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "driver/tavrel.h"
#include "pipeline/context.h"

int main(int argc, char** argv) {
  std::error_code error;
  std::string startup_directory = std::filesystem::current_path(error).string();
  CONTEXT context(std::cin, std::cout, std::cerr, startup_directory);
  std::vector<std::string> arguments(argv + 1, argv + argc);
  return run_tavrel(context, arguments);
}
