// Running the ROM one object at a time: when a run is finished, the step description with its
// two paddings, what a step executes, and the software interrupt.
#include "machine/execution.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "isa/instructions.h"
#include "machine/breakpoint.h"
#include "test_machine.h"

namespace {

struct Execution : ::testing::Test {
  TEST_MACHINE t;
  MACHINE& machine = t.machine;
  ROM& rom = machine.rom;

  POSITION here() const { return POSITION::make(nullptr, rom.size() + 1, 9); }
  void nop() { rom.append(std::make_unique<NOP>(here())); }
  void load(int r, int k) { rom.append(std::make_unique<LDIL>(here(), t.R(r), k)); }

  // "PC = ", the address, blanks to 10 characters, the text, blanks to 40.
  static std::string padded(const std::string& head, const std::string& text) {
    std::string line = head;
    line.append(10 - head.size(), ' ');
    line += text;
    line.append(40 - line.size(), ' ');
    return line;
  }
};

}  // namespace

TEST_F(Execution, execute_one_runs_the_object_at_the_program_counter_and_answers_false) {
  load(1, 5);
  load(2, 6);
  EXPECT_FALSE(execute_one(machine));
  EXPECT_EQ(t.R(1)->value, 5);
  EXPECT_EQ(t.R(2)->value, 0);
  EXPECT_EQ(machine.program_counter.value, 1);
  EXPECT_EQ(machine.clock.periods(), 1);
}

TEST_F(Execution, execute_one_answers_true_outside_the_rom_and_executes_nothing) {
  EXPECT_TRUE(execute_one(machine)) << "an empty ROM is finished at once";
  load(1, 5);
  machine.program_counter.value = 1;
  EXPECT_TRUE(execute_one(machine));
  machine.program_counter.value = -1;
  EXPECT_TRUE(execute_one(machine));
  EXPECT_EQ(machine.program_counter.value, -1);
  EXPECT_EQ(machine.clock.periods(), 0);
  EXPECT_EQ(t.R(1)->value, 0);
}

TEST_F(Execution, an_unfilled_slot_is_stepped_over) {
  rom.reserve_empty();
  load(1, 5);
  EXPECT_FALSE(execute_one(machine));
  EXPECT_EQ(machine.program_counter.value, 1);
  EXPECT_FALSE(execute_one(machine));
  EXPECT_EQ(t.R(1)->value, 5);
}

TEST_F(Execution, step_describes_the_instruction_then_executes_it) {
  load(1, 5);
  std::string text = "left over";
  step(machine, text);
  EXPECT_EQ(text, padded("PC = 0", "LDIL R1,#5"));
  EXPECT_EQ(text.size(), 40u);
  EXPECT_EQ(t.R(1)->value, 5);
  EXPECT_EQ(machine.program_counter.value, 1);
}

TEST_F(Execution, step_past_the_code_describes_the_end_and_executes_nothing) {
  load(1, 5);
  machine.program_counter.value = 1;
  std::string text;
  step(machine, text);
  EXPECT_EQ(text, padded("PC = 1", "End of code reached."));
  EXPECT_EQ(machine.program_counter.value, 1);
  EXPECT_EQ(machine.clock.periods(), 0);
}

TEST_F(Execution, step_on_an_unfilled_slot_shows_question_marks) {
  rom.reserve_empty();
  std::string text;
  step(machine, text);
  EXPECT_EQ(text, padded("PC = 0", "??"));
}

TEST_F(Execution, the_paddings_give_way_to_long_texts) {
  for (int i = 0; i < 12345; ++i) nop();
  machine.program_counter.value = 12345;
  std::string text;
  step(machine, text);
  EXPECT_EQ(text, padded("PC = 12345", "End of code reached."));
  machine.program_counter.value = 123456789;
  step(machine, text);
  EXPECT_EQ(text, "PC = 123456789End of code reached.      ");
}

TEST_F(Execution, a_breakpoint_steps_as_its_instruction_when_stop_is_set) {
  load(1, 5);
  BREAKPOINT breakpoint;
  breakpoint.wrap(rom.fetch(0));
  rom.replace(0, &breakpoint);
  machine.user_interface.stop = true;
  std::string text;
  step(machine, text);
  EXPECT_EQ(text, padded("PC = 0", "* LDIL R1,#5"));
  EXPECT_EQ(t.R(1)->value, 5);
  EXPECT_EQ(machine.program_counter.value, 1);
  EXPECT_EQ(machine.clock.periods(), 1);
}

TEST_F(Execution, INT_at_10_pushes_11_clears_I_and_continues_at_3) {
  for (int i = 0; i < 10; ++i) nop();
  rom.append(std::make_unique<INT>(here()));
  machine.program_counter.value = 10;
  ASSERT_TRUE(machine.status.flag('I')) << "I is set after a reset";
  EXPECT_FALSE(execute_one(machine));
  EXPECT_EQ(machine.program_counter.value, 3);
  EXPECT_FALSE(machine.status.flag('I'));
  ASSERT_EQ(machine.stack.pointer, 0);
  EXPECT_EQ(machine.stack.entries[0], 11);
  EXPECT_EQ(machine.clock.periods(), 1);
  EXPECT_EQ(t.errors(), 0);
}
