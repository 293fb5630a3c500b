// A C source file and a header it may include ("lib.h"), separated by a line "//@lib.h", built
// by the build pipeline as -compile builds them.
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto [source, header] = fuzz::split(fuzz::as_text(data, size), "\n//@lib.h\n");
  const std::string main_path = fuzz::write_file("main.c", source);
  fuzz::write_file("lib.h", header);
  fuzz::SESSION session;
  fuzz::build(session.context, main_path, size);
  return 0;
}
