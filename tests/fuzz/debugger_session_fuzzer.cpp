// A console debugger session: a program, built as -debug builds it, then a script of command
// lines after a line "//@commands". The program is C when it starts with "/*c*/", else
// assembly. Each C runs at most a bounded number of instructions: an endless loop is the
// program's, not the debugger's.
#include "driver/console_debugger.h"
#include "fuzz_session.h"

namespace {

constexpr int64_t instructions_per_continue = 100'000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto [program, commands] = fuzz::split(fuzz::as_text(data, size), "\n//@commands\n");
  const bool is_c = program.starts_with("/*c*/");
  const std::string path = fuzz::write_file(is_c ? "prog.c" : "prog.s", program);
  fuzz::SESSION session{std::string(commands)};
  CONTEXT& context = session.context;
  context.user_interface.stop = true;
  fuzz::build(context, path, size);
  if (context.project_manager.compiler_stopped) return 0;
  CONSOLE_DEBUGGER debugger(context);
  debugger.limit_runs(instructions_per_continue);
  debugger.run();
  return 0;
}
