// An assembly source file, built by the build pipeline as -compile builds it.
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::write_file("prog.s", fuzz::as_text(data, size));
  fuzz::SESSION session;
  fuzz::build(session.context, path, size);
  return 0;
}
