// tavrel-hex: converts a binary text file into one pair of Intel HEX files, for loading a ROM
// without the whole environment. Errors are reported on the standard output like the program's.
#include <iostream>
#include <string>

#include "base/echo.h"
#include "base/error_handler.h"
#include "base/file_tools.h"
#include "base/user_interface.h"
#include "rom_image/intel_hex_writer.h"

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

  USER_INTERFACE user_interface{std::cout};
  ECHO echo{user_interface};
  ERROR_HANDLER error_handler{user_interface};
  FILE_TOOLS files{echo, error_handler};
  error_handler.attach_file_tools(files);
  switch (write_intel_hex(argv[1], layout, files, error_handler)) {
    case INTEL_HEX_OUTCOME::written:
      return 0;
    case INTEL_HEX_OUTCOME::unreadable_input:
      return usage();
    default:
      return 1;
  }
}
