// tavrel-hex: converts a binary text file into one pair of Intel HEX files, for loading a ROM
// without the whole environment. Errors are reported on the standard output like the program's.
#include <filesystem>
#include <iostream>
#include <string>

#include "driver/context.h"
#include "isa/intel_hex_writer.h"

namespace {

int usage() {
  std::cerr << "usage : tavrel-hex <binary text file> 8|16\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return usage();
  std::string width = argv[2];
  if (width != "8" && width != "16") return usage();
  INTEL_HEX_LAYOUT layout =
      width == "8" ? INTEL_HEX_LAYOUT::eight_bits : INTEL_HEX_LAYOUT::sixteen_bits;

  std::error_code error;
  std::string startup_directory = std::filesystem::current_path(error).string();
  CONTEXT context(std::cin, std::cout, std::cerr, startup_directory);
  switch (write_intel_hex(argv[1], layout, context.files, context.error_handler)) {
    case INTEL_HEX_OUTCOME::written:
      return 0;
    case INTEL_HEX_OUTCOME::unreadable_input:
      return usage();
    default:
      return 1;
  }
}
