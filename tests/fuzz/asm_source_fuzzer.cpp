// An assembly source file, built by the build pipeline as -compile builds it.
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::write_file("prog.s", fuzz::as_text(data, size));
  fuzz::SESSION session;
  CONTEXT& context = session.context;
  fuzz::size_processor(context, size);
  context.source_paths.add_source_file(path);
  context.project_manager.update();
  return 0;
}
