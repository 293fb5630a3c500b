// A binary text file, converted to both Intel HEX layouts as tavrel-hex converts it.
#include "fuzz_session.h"
#include "rom_image/intel_hex_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::write_file("prog.b", fuzz::as_text(data, size));
  for (INTEL_HEX_LAYOUT layout : {INTEL_HEX_LAYOUT::eight_bits, INTEL_HEX_LAYOUT::sixteen_bits}) {
    fuzz::SESSION session;
    write_intel_hex(path, layout, session.context.files, session.context.error_handler);
  }
  return 0;
}
