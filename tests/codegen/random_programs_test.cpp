// Random programs of the C subset, built through the whole pipeline and run to their end on
// processors of several sizes: every word they leave in `out` must equal what the program's own
// evaluator computes in N bits, with no pipeline hazard on the way. Seeds are fixed;
// TAVREL_RANDOM_PROGRAMS sets how many programs each size runs (long_random_run.sh asks for
// many). Large programs, past the reach of the relative branches, must take every long form.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cfront/declarations.h"
#include "codegen/random_program.h"
#include "driver/hazard_check.h"
#include "isa/instructions.h"
#include "machine/execution.h"
#include "pipeline/project_manager.h"
#include "support/temporary_directory.h"
#include "support/test_context.h"

// The unit-test runner compiles only the *_test.cpp files, so the generator is compiled here.

namespace {

using random_program::EVALUATION;
using random_program::PROGRAM;
using random_program::SETTINGS;

struct CONFIGURATION {
  int n, x, m, l;
  uint32_t seed;
  bool large = false;
};

// The long forms a build used: a jump, a call, a conditional branch over a jump.
struct LONG_FORMS {
  bool jump = false;
  bool call = false;
  bool branch = false;
};

bool is_jump_load(const ASM* object) {
  return dynamic_cast<const LDIL*>(object) != nullptr ||
         dynamic_cast<const LDIH*>(object) != nullptr ||
         dynamic_cast<const EOR*>(object) != nullptr || dynamic_cast<const NOP*>(object) != nullptr;
}

void find_long_forms(const ROM& rom, LONG_FORMS& found) {
  for (int32_t i = 0; i < rom.size(); ++i) {
    const ASM* object = rom.fetch(i);
    if (dynamic_cast<const ICALL*>(object) != nullptr) found.call = true;
    if (dynamic_cast<const IJMP*>(object) == nullptr) continue;
    int32_t before = i - 1;
    while (before >= 0 && is_jump_load(rom.fetch(before))) --before;
    const ASM* first = rom.fetch(before);
    if (dynamic_cast<const RB0*>(first) != nullptr || dynamic_cast<const RB1*>(first) != nullptr)
      found.branch = true;
    else
      found.jump = true;
  }
}

std::string describe(const CONFIGURATION& c) {
  return "N=" + std::to_string(c.n) + " X=" + std::to_string(c.x) + " M=" + std::to_string(c.m) +
         " L=" + std::to_string(c.l) + " Z=16";
}

int programs_per_configuration() {
  const char* text = std::getenv("TAVREL_RANDOM_PROGRAMS");
  if (text == nullptr || *text == '\0') return 40;
  const int count = std::atoi(text);
  return count > 0 ? count : 40;
}

SETTINGS settings_for(const CONFIGURATION& c) {
  SETTINGS s;
  s.data_size = c.n;
  s.stack_depth = 16;
  s.ram_words = 1 << c.l;
  if (c.large) {  // well past the 2047 words of a relative jump or call
    s.functions = 8;
    s.statements = 20;
    s.expression_depth = 6;
    s.node_limit = 1'000'000;
  } else if (c.l <= 6) {  // 64 words, most of them taken by variables when X is 8
    s.out_size = 4;
    s.functions = 2;
    s.statements = 3;
    s.expression_depth = 2;
  }
  return s;
}

void configure(CONTEXT& context, const CONFIGURATION& c) {
  context.machine.configuration.set_data_size(c.n);
  context.machine.configuration.set_register_count(c.x);
  context.machine.configuration.set_pc_width(c.m);
  context.machine.configuration.set_ram_address_width(c.l);
  context.machine.configuration.set_stack_size(16);
}

int32_t out_address(CONTEXT& context) {
  for (DECLARATOR* declaration : context.c_program.used_declarations) {
    if (declaration->name() == nullptr || *declaration->name()->text != "out") continue;
    if (auto* array = dynamic_cast<ARRAY_TYPE*>(declaration->declared())) return array->ram_start;
  }
  return -1;
}

// Builds the program, runs it to its end and compares `out`; answers what went wrong, or
// nothing when every word matched.
std::string check(const CONFIGURATION& c, const PROGRAM& program, const EVALUATION& expected,
                  const TEMPORARY_DIRECTORY& directory, LONG_FORMS& long_forms) {
  TEST_CONTEXT test;
  CONTEXT& context = test.context;
  configure(context, c);
  context.source_paths.add_source_file(directory.write("random.c", program.c_source()));
  context.project_manager.update();
  if (context.error_handler.error_count() > 0 || context.error_handler.warning_count() > 0)
    return "the build reports:\n" + test.take_output();
  const int32_t out = out_address(context);
  if (out < 0) return "no RAM address for out";

  find_long_forms(context.machine.rom, long_forms);

  const long step_limit = c.large ? 300'000'000 : 5'000'000;
  context.user_interface.stop = false;
  HAZARD_CHECK hazards;
  long steps = 0;
  for (;;) {
    const int64_t address = context.machine.program_counter.value;
    const ASM* object = context.machine.rom.fetch(address);
    if (steps >= step_limit || execute_one(context.machine)) break;
    hazards.observe(address, object, context.machine);
    ++steps;
    if (context.error_handler.error_count() > 0 || context.error_handler.warning_count() > 0)
      return "the run reports:\n" + test.take_output();
  }
  if (steps >= step_limit)
    return "the run does not end within " + std::to_string(step_limit) + " instructions";

  std::ostringstream differences;
  if (hazards.count() != 0) differences << hazards.report();
  for (size_t i = 0; i < expected.out.size(); ++i) {
    const int32_t got = context.machine.ram.word(out + static_cast<int32_t>(i));
    if (got != expected.out[i])
      differences << "  out[" << i << "]: expected " << expected.out[i] << ", got " << got << "\n";
  }
  return differences.str();
}

void run_configuration(const CONFIGURATION& c) {
  const SETTINGS settings = settings_for(c);
  // Large programs take seconds each: a fifth as many, but enough to meet every long form.
  const int count = c.large ? std::max(12, programs_per_configuration() / 5)
                            : programs_per_configuration();
  TEMPORARY_DIRECTORY directory;
  int failures = 0;
  LONG_FORMS long_forms;
  int skipped = 0;
  // Large programs run many loops: those whose evaluation runs too long, or whose compiled run
  // would (a compiled operation takes 8 to 16 instructions), are skipped, and the next seeds
  // stand in for them, so that as many are checked.
  constexpr long large_operation_limit = 8'000'000;
  for (int i = 0; i - skipped < count && skipped <= count; ++i) {
    const uint32_t seed = c.seed + static_cast<uint32_t>(i);
    const PROGRAM program = random_program::generate(seed, settings);
    const EVALUATION expected = random_program::evaluate(program);
    if (c.large && (!expected.ok || expected.operations > large_operation_limit)) {
      skipped += 1;
      continue;
    }
    ASSERT_TRUE(expected.ok) << "the generator made an unfit program (seed " << seed << ", "
                             << describe(c) << "): " << expected.problem << "\n"
                             << program.c_source();
    const std::string problem = check(c, program, expected, directory, long_forms);
    if (problem.empty()) continue;
    // The first few failures in full; the count of all of them.
    if (++failures <= 3)
      ADD_FAILURE() << "seed " << seed << ", " << describe(c) << ":\n"
                    << problem << "C source:\n"
                    << program.c_source();
  }
  EXPECT_EQ(failures, 0) << "programs that failed out of " << count << " (" << describe(c) << ")";
  if (!c.large) return;
  EXPECT_LE(skipped, count) << "large programs too long to evaluate";
  EXPECT_TRUE(long_forms.jump && long_forms.call && long_forms.branch)
        << "long forms of jumps, calls and branches: " << long_forms.jump << long_forms.call
        << long_forms.branch;
}

}  // namespace

// Eight-bit words: all variables but one in RAM, a 64-word RAM.
TEST(RandomPrograms, n8_x8_small_ram) {
  run_configuration({8, 8, 16, 6, 81000});
}
// Eight-bit words with wide RAM addresses (two access registers).
TEST(RandomPrograms, n8_x32_wide_ram) {
  run_configuration({8, 32, 16, 12, 82000});
}
// Eight-bit words with wide ROM addresses.
TEST(RandomPrograms, n8_x16_wide_rom) {
  run_configuration({8, 16, 24, 8, 83000});
}
TEST(RandomPrograms, n12_x8_variables_in_ram) {
  run_configuration({12, 8, 16, 8, 121000});
}
// Twelve-bit words with sixteen-bit RAM addresses (two access registers).
TEST(RandomPrograms, n12_x32_wide_ram) {
  run_configuration({12, 32, 16, 16, 122000});
}
TEST(RandomPrograms, n16_x8_variables_in_ram) {
  run_configuration({16, 8, 16, 8, 161000});
}
TEST(RandomPrograms, n16_x32_small_ram) {
  run_configuration({16, 32, 16, 6, 162000});
}
// Sizes between: ten-bit words with eleven-bit RAM addresses; fourteen-bit words with wide RAM
// and wide ROM addresses.
TEST(RandomPrograms, n10_x12_wide_ram) {
  run_configuration({10, 12, 16, 11, 101000});
}
TEST(RandomPrograms, n14_x20_wide_ram_and_rom) {
  run_configuration({14, 20, 24, 16, 141000});
}
// Programs of thousands of words with a wide ROM address, and with a 16-bit one (one register
// holds a whole address).
TEST(RandomPrograms, n16_x16_large_programs_wide_rom) {
  run_configuration({16, 16, 24, 16, 163000, true});
}
TEST(RandomPrograms, n16_x16_large_programs) {
  run_configuration({16, 16, 16, 16, 164000, true});
}
