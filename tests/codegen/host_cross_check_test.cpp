// The random programs' evaluator checked against the host's C compiler: programs generated for
// a 32-bit word, the width of the host's int, are compiled by the host unchanged (a prelude
// makes char the word, as on our processor, and prints `out`), and every word of `out` must be
// what the evaluator computes. The programs leave out what C leaves unspecified or undefined and
// this compiler defines: division (by 0), `>>` of negative values, and calls whose order against
// the rest of a statement would matter. Skipped when the host has no C compiler.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "codegen/random_program.h"
#include "support/temporary_directory.h"

namespace {

using random_program::EVALUATION;
using random_program::PROGRAM;
using random_program::SETTINGS;

constexpr const char* host_compiler = "cc";

std::string host_source(const PROGRAM& program) {
  return "#include <stdio.h>\n#define char int\n#define main tavrel_main\n" +
         program.c_source() +
         "#undef main\nint main(void) {\n  tavrel_main();\n"
         "  for (int i = 0; i < (int)(sizeof out / sizeof out[0]); i++) printf(\"%d\\n\", out[i]);\n"
         "  return 0;\n}\n";
}

// The command's standard output goes to output.
bool run_command(const std::string& command, const std::string& output = "/dev/null") {
  return std::system((command + " >" + output + " 2>&1").c_str()) == 0;
}

std::vector<int32_t> read_words(const std::string& path) {
  std::vector<int32_t> words;
  std::ifstream in(path);
  long long word = 0;
  while (in >> word) words.push_back(static_cast<int32_t>(word));
  return words;
}

TEST(HostCrossCheck, the_evaluator_computes_what_the_host_compiler_computes) {
  if (!run_command(std::string(host_compiler) + " --version")) GTEST_SKIP() << "no host compiler";
  SETTINGS settings;
  settings.data_size = 32;
  settings.ram_words = 1024;
  settings.calls_in_expressions = false;
  settings.temporaries_across_calls = false;
  settings.calls_as_values = false;
  settings.divisions = false;
  settings.right_shifts = false;
  TEMPORARY_DIRECTORY directory;
  const std::string binary = directory.path() + "/program";
  int checked = 0;
  for (uint32_t seed = 9100; seed < 9160; ++seed) {
    const PROGRAM program = random_program::generate(seed, settings);
    const EVALUATION expected = random_program::evaluate(program);
    if (!expected.ok) continue;
    const std::string source = directory.write("program.c", host_source(program));
    ASSERT_TRUE(run_command(std::string(host_compiler) + " -std=c99 -fwrapv -w -O1 -o " + binary +
                            " " + source))
        << "the host refuses seed " << seed << ":\n" << program.c_source();
    ASSERT_TRUE(run_command(binary, directory.path() + "/out.txt")) << "seed " << seed;
    EXPECT_EQ(expected.out, read_words(directory.path() + "/out.txt"))
        << "seed " << seed << ":\n" << program.c_source();
    ++checked;
  }
  EXPECT_GE(checked, 40) << "programs the evaluator could run";
}

}  // namespace
