// Compiled programs just past each reach of the relative forms: an `||` whose second operand
// outgrows RB0's 63 words, a loop body longer than RJMP's 2047, a function further from its
// call than RCALL's 2047. Each program is built at growing sizes until its long form appears;
// every size must compute its own result, the last short one must sit close to the limit, and
// the padded code must run without a pipeline hazard.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "cfront/declarations.h"
#include "driver/hazard_check.h"
#include "isa/instructions.h"
#include "machine/execution.h"
#include "pipeline/project_manager.h"
#include "support/temporary_directory.h"
#include "support/test_context.h"

namespace {

struct BUILT {
  std::string problem;  // empty when the build ran and gave the expected result
  bool long_form = false;
  int32_t short_offset = 0;  // the largest offset of the watched short branch
};

// The programs keep their result in an array, which always lives in RAM.
int32_t ram_address(CONTEXT& context, const std::string& name) {
  for (DECLARATOR* declaration : context.c_program.used_declarations)
    if (declaration->name() != nullptr && *declaration->name()->text == name)
      if (auto* array = dynamic_cast<ARRAY_TYPE*>(declaration->declared())) return array->ram_start;
  return -1;
}

template <class SHORT_FORM>
int32_t largest_offset(const ROM& rom) {
  int32_t largest = 0;
  for (int32_t i = 0; i < rom.size(); ++i)
    if (const auto* branch = dynamic_cast<const SHORT_FORM*>(rom.fetch(i)))
      largest = std::max(largest, std::abs(branch->offset()));
  return largest;
}

template <class SHORT_FORM, class LONG_FORM>
BUILT build_and_run(const std::string& source, int32_t expected) {
  TEST_CONTEXT test;
  CONTEXT& context = test.context;
  context.machine.configuration.set_data_size(16);
  context.machine.configuration.set_register_count(16);
  context.machine.configuration.set_pc_width(24);
  context.machine.configuration.set_ram_address_width(16);
  TEMPORARY_DIRECTORY directory;
  context.source_paths.add_source_file(directory.write("reach.c", source));
  context.project_manager.update();
  BUILT built;
  if (context.error_handler.error_count() > 0) {
    built.problem = "the build reports:\n" + test.take_output();
    return built;
  }
  const ROM& rom = context.machine.rom;
  for (int32_t i = 0; i < rom.size(); ++i)
    built.long_form = built.long_form || dynamic_cast<const LONG_FORM*>(rom.fetch(i)) != nullptr;
  built.short_offset = largest_offset<SHORT_FORM>(rom);
  HAZARD_CHECK hazards;
  long steps = 0;
  for (; steps < 10'000'000; ++steps) {
    const int64_t address = context.machine.program_counter.value;
    const ASM* object = rom.fetch(address);
    if (execute_one(context.machine)) break;
    hazards.observe(address, object, context.machine);
  }
  const int32_t result = context.machine.ram.word(ram_address(context, "result"));
  if (result != expected)
    built.problem = "result " + std::to_string(result) + ", expected " + std::to_string(expected);
  else if (hazards.count() != 0)
    built.problem = hazards.report();
  else if (context.error_handler.error_count() > 0)
    built.problem = "the run reports:\n" + test.take_output();
  return built;
}

// Builds sizes 1, 2, ... until the long form appears, each checked; the last short size must
// have come within `slack` words of the reach.
template <class SHORT_FORM, class LONG_FORM>
void grow_past_reach(const std::function<std::string(int)>& program,
                     const std::function<int32_t(int)>& expected, int first, int32_t reach,
                     int32_t slack) {
  BUILT last_short;
  for (int size = first; size < first + 400; ++size) {
    const BUILT built = build_and_run<SHORT_FORM, LONG_FORM>(program(size), expected(size));
    ASSERT_EQ(built.problem, "") << "size " << size << ":\n" << program(size);
    if (built.long_form) {
      EXPECT_GE(last_short.short_offset, reach - slack) << "lengthened too early, at size " << size;
      return;
    }
    last_short = built;
  }
  FAIL() << "no long form up to size " << first + 400;
}

std::string repeated(const std::string& text, int times) {
  std::string all;
  for (int k = 0; k < times; ++k) all += text;
  return all;
}

}  // namespace

// A zero first operand makes || evaluate its second, a sum of `size` terms.
TEST(LongForms, an_or_whose_second_operand_outgrows_a_short_branch) {
  auto program = [](int size) {
    return "int result[1];\nint a;\nint b = 3;\nint main(void)\n{\n  result[0] = a || (0" +
           repeated(" + b", size) + " - " + std::to_string(3 * size) + ");\n  result[0] = result[0] + " +
           std::to_string(size) + ";\n}\n";
  };
  grow_past_reach<RB0, IJMP>(program, [](int size) { return size; }, 1, 63, 12);
}

// A loop of three turns around a body of `size` increments.
TEST(LongForms, a_loop_body_longer_than_a_relative_jump) {
  auto program = [](int size) {
    return "int result[1];\nint main(void)\n{\n  int i;\n  for (i = 0; i < 3; i++) {\n" +
           repeated("    result[0] = result[0] + 1;\n", size) + "  }\n}\n";
  };
  grow_past_reach<RJMP, IJMP>(program, [](int size) { return 3 * size; }, 60, 2047, 40);
}

// main calls f, which the layout puts past a filler function of `size` increments.
TEST(LongForms, a_call_further_than_a_relative_call) {
  auto program = [](int size) {
    return "int result[1];\nint f(int x)\n{\n  return x + 1;\n}\nvoid filler(void)\n{\n" +
           repeated("  result[0] = result[0] + 1;\n", size) +
           "}\nint main(void)\n{\n  if (result[0] != 0)\n    filler();\n  result[0] = f(41);\n}\n";
  };
  grow_past_reach<RCALL, ICALL>(program, [](int) { return 42; }, 100, 2047, 40);
}
