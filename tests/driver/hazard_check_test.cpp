// The -check run: hazards follow the execution order, a program the build padded has none, and
// taking one NOP out of a padded program brings back exactly the hazard it stood for.
#include "driver/hazard_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/batch_run.h"
#include "support/build_fixture.h"

namespace {

// An indirect branch anywhere keeps the build from padding; this one is jumped over.
const std::string unpadded_start = "        RJMP start\n        IJMP (R0)\nstart:  NOP\n";

class HazardCheck : public BuildTest {
 protected:
  // The first program joins the project; later ones replace it, as an edit would.
  std::string checked_run(const std::string& program) {
    if (!has_source_) add_source("prog.s", program);
    edit("prog.s", program);
    has_source_ = true;
    build();
    machine.execution.start();
    EXPECT_EQ(batch_run(context, true), 0);
    return output();
  }
  static std::string count_line(int count) {
    return "Pipeline hazards: " + std::to_string(count) + ".\n";
  }

  bool has_source_ = false;
};

}  // namespace

// Each DEC reads R1 that the previous DEC wrote two instructions before, across the taken
// branch; in ROM order only the first one, right after LDIL, would be found.
TEST_F(HazardCheck, counts_in_execution_order_through_taken_branches) {
  for (int turns : {1, 3, 7}) {
    const std::string text =
        checked_run(unpadded_start + "        LDIL R1,#" + std::to_string(turns) +
                    "\nloop:   DEC R1\n        RB0 #Z,loop\n");
    EXPECT_TRUE(text.starts_with(count_line(turns))) << text;
    EXPECT_NE(text.find("  ROM 0x0004 (prog.s line 5): ADI R1,#-1 reads what LDIL R1,#" +
                        std::to_string(turns) + " wrote one instruction before.\n"),
              std::string::npos)
        << text;
    if (turns > 1) {
      EXPECT_NE(text.find("ADI R1,#-1 reads what ADI R1,#-1 wrote two instructions before."),
                std::string::npos)
          << text;
    }
    EXPECT_EQ(machine.registers.at(1).value, 0);
  }
}

TEST_F(HazardCheck, shows_at_most_five_hazards_and_leaves_the_run_unchanged) {
  const std::string text = checked_run(unpadded_start +
                                       "        LDIL R1,#9\n"
                                       "loop:   DEC R1\n        RB0 #Z,loop\n");
  EXPECT_TRUE(text.starts_with(count_line(9))) << text;
  int lines = 0;
  for (char c : text) lines += c == '\n';
  EXPECT_EQ(lines, 1 + 5) << text;
}

TEST_F(HazardCheck, a_program_the_build_padded_has_none) {
  const std::string text = checked_run(
      "        LDIL R1,#4\n        CLR R2\nloop:   INC R2\n        DEC R1\n"
      "        RB0 #Z,loop\n        TFR R3,R2\n        ADD R3,R2\n");
  EXPECT_GT(rom.size(), 7) << "the build should have padded this program";
  EXPECT_EQ(text, "Pipeline hazards: none.\n");
  EXPECT_EQ(value(3), 8);
}

TEST_F(HazardCheck, without_check_the_run_writes_nothing) {
  add_source("prog.s", "        LDIL R1,#1\n        ADD R2,R1\n");
  build();
  EXPECT_EQ(batch_run(context), 0);
  EXPECT_EQ(output(), "");
}

// The padded listing, written back as source with one NOP left out (and unpadded), must show
// exactly one hazard: the instruction after the gap reading what was before it.
TEST_F(HazardCheck, each_nop_of_a_padded_program_stands_for_one_hazard) {
  const std::string padded_source =
      "        LDIL R1,#3\n        ADD R2,R1\n        TFR R3,R2\n        ADI R3,#1\n"
      "        CMPI R3,#7\n        ADC R4,R3\n";
  checked_run(padded_source);
  const std::vector<std::string> padded = listing();
  int nops = 0;
  for (std::size_t gap = 0; gap < padded.size(); ++gap) {
    if (padded[gap] != "NOP") continue;
    nops += 1;
    std::string source = unpadded_start;
    for (std::size_t i = 0; i < padded.size(); ++i)
      if (i != gap) source += "        " + padded[i] + "\n";
    const std::string text = checked_run(source);
    std::size_t next = gap + 1;
    while (padded[next] == "NOP") ++next;
    EXPECT_TRUE(text.starts_with(count_line(1))) << "without NOP " << gap << ":\n" << text;
    EXPECT_NE(text.find(": " + padded[next] + " reads what "), std::string::npos) << text;
  }
  EXPECT_GE(nops, 6);
}

// A compiled program is padded too (its jump slots refilled): it runs without a hazard, and each
// hazard NOP moved after the instruction it protects is found there.
TEST_F(HazardCheck, a_compiled_program_is_padded_and_each_moved_nop_is_found) {
  machine.configuration.set_data_size(16);
  const std::string gcd =
      "int result;\nint gcd(int a, int b)\n{\n  while (a != b) {\n    if (a > b)\n"
      "      a = a - b;\n    else\n      b = b - a;\n  }\n  return a;\n}\n"
      "int main(void)\n{\n  result = gcd(1071, 462);\n}\n";
  add_source("prog.c", gcd);
  has_source_ = true;
  EXPECT_EQ(checked_run(gcd), "Pipeline hazards: none.\n");
  const std::vector<int32_t> inserted = context.forwarder.inserted();
  ASSERT_GE(inserted.size(), 10u);
  int moved = 0;
  for (std::size_t k = 0; k + 1 < inserted.size() && moved < 8; ++k) {
    if (inserted[k] != inserted[k + 1]) continue;  // the pairs: two NOPs before an instruction
    const int32_t nop = inserted[k] + 1;
    build();
    ASM* protected_word = rom.fetch(nop + 1);
    ASM* second_nop = rom.replace(nop, protected_word);
    rom.replace(nop + 1, second_nop);
    machine.execution.start();
    batch_run(context, true);
    const std::string text = output();
    std::string instruction;
    protected_word->append_text(instruction, machine);
    if (text.find("Pipeline hazards: none.") != std::string::npos) continue;  // never executed
    EXPECT_NE(text.find(": " + instruction + " reads what "), std::string::npos) << text;
    moved += 1;
  }
  EXPECT_GE(moved, 4);
}
