// A project file, loaded as the command line loads one: read, then built when it read without
// error. The sources it may name, prog.s and main.c, exist beside it.
#include "fuzz_session.h"
#include "pipeline/project_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::write_file("prog.s", "start:  LDI  R1,#3\n        RJMP start\n");
  fuzz::write_file("main.c", "int x;\nvoid main() { x = 3; }\n");
  const std::string path = fuzz::write_file("project.tvr", fuzz::as_text(data, size));
  fuzz::SESSION session;
  load_project_file(session.context, path);
  return 0;
}
