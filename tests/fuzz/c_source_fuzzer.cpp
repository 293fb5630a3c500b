// A C source file and a header it may include ("lib.h"), separated by a line "//@lib.h", built
// by the build pipeline as -compile builds them.
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto [source, header] = fuzz::split(fuzz::as_text(data, size), "\n//@lib.h\n");
  const std::string main_path = fuzz::write_file("main.c", source);
  fuzz::write_file("lib.h", header);
  fuzz::SESSION session;
  CONTEXT& context = session.context;
  fuzz::size_processor(context, size);
  context.source_paths.add_source_file(main_path);
  context.project_manager.update();
  return 0;
}
