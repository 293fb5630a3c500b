// Small C programs in the style of a compiler test suite: each main returns 0 when every check
// holds, or the number of the first that failed. Each is first compiled and run by the host's C
// compiler (the program itself must be right), then built unmodified for 16-bit processors of
// two shapes and run; a driver appended after it reports a non-zero result through IEM. Adding
// a case is adding a file to suite/.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "machine/execution.h"
#include "support/temporary_directory.h"
#include "support/test_context.h"

namespace {

namespace fs = std::filesystem;

constexpr long step_limit = 5'000'000;

struct SHAPE {
  int x, m, l;
};

// Many registers and a small RAM; few registers (values in RAM) and wide ROM addresses.
constexpr SHAPE shapes[] = {{16, 16, 12}, {8, 24, 16}};

std::vector<fs::path> suite_programs() {
  const fs::path folder = fs::path(GOLDEN_CASES_DIRECTORY).parent_path() / "codegen" / "suite";
  std::vector<fs::path> programs;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".c") programs.push_back(entry.path());
  std::sort(programs.begin(), programs.end());
  return programs;
}

std::string read_text(const fs::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool run_command(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// The program's main renamed, and a main that reports what it returned.
std::string wrapped(const std::string& program) {
  return "#define main suite_main\n" + program +
         "#undef main\nint main(void)\n{\n  int failed;\n  failed = suite_main();\n"
         "  if (failed != 0)\n    asm_IEM(failed);\n  return 0;\n}\n";
}

// What went wrong building and running path on the shape, or nothing.
std::string build_and_run(const std::string& path, const SHAPE& shape) {
  TEST_CONTEXT test;
  CONTEXT& context = test.context;
  context.machine.configuration.set_data_size(16);
  context.machine.configuration.set_register_count(shape.x);
  context.machine.configuration.set_pc_width(shape.m);
  context.machine.configuration.set_ram_address_width(shape.l);
  context.machine.configuration.set_stack_size(32);
  context.source_paths.add_source_file(path);
  context.project_manager.update();
  if (context.error_handler.error_count() > 0) return "the build reports:\n" + test.take_output();
  context.user_interface.stop = false;
  for (long steps = 0; !execute_one(context.machine); ++steps) {
    if (context.error_handler.error_count() > 0) return "the run reports:\n" + test.take_output();
    if (steps >= step_limit) return "the run does not end";
  }
  return {};
}

TEST(CSuite, EveryProgramComputesWhatTheHostComputes) {
  const bool host = run_command("cc --version");
  TEMPORARY_DIRECTORY directory;
  int checked = 0;
  for (const fs::path& program : suite_programs()) {
    const std::string name = program.filename().string();
    if (host) {
      const std::string binary = directory.path() + "/host_program";
      ASSERT_TRUE(run_command("cc -std=c99 -fwrapv -w -o " + binary + " " + program.string()))
          << name << " does not build on the host";
      EXPECT_TRUE(run_command(binary)) << name << " fails on the host: the program is wrong";
    }
    const std::string path = directory.write(name, wrapped(read_text(program)));
    for (const SHAPE& shape : shapes) {
      const std::string problem = build_and_run(path, shape);
      EXPECT_TRUE(problem.empty())
          << name << " with X=" << shape.x << " M=" << shape.m << " L=" << shape.l << ":\n"
          << problem;
    }
    ++checked;
  }
  EXPECT_GE(checked, 10);
}

}  // namespace
