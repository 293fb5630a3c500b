#include <gtest/gtest.h>

#include "isa/instructions.h"
#include "machine/test_machine.h"

TEST(PROGRAM_COUNTER, jump_uses_a_pair_when_N_is_below_M) {
  TEST_MACHINE t;  // N = 8, M = 16
  t.R(2)->value = -1;  // 0xFF
  t.R(3)->value = 0x12;
  t.machine.program_counter.jump_to_register(t.machine.registers, *t.R(2), {}, t.error_handler);
  EXPECT_EQ(t.machine.program_counter.value, 0x12FF);
  EXPECT_EQ(t.errors(), 0);
}

TEST(PROGRAM_COUNTER, jump_uses_one_register_when_N_equals_M) {
  TEST_MACHINE t;
  t.machine.configuration.set_data_size(16);
  t.R(2)->value = -2;  // 0xFFFE
  t.R(3)->value = 1;
  t.machine.program_counter.jump_to_register(t.machine.registers, *t.R(2), {}, t.error_handler);
  EXPECT_EQ(t.machine.program_counter.value, 0xFFFE);
  EXPECT_EQ(t.errors(), 0);
}

TEST(PROGRAM_COUNTER, a_pair_beyond_2_to_the_31_is_out_of_range_not_negative) {
  TEST_MACHINE t;
  t.machine.configuration.set_data_size(16);
  t.machine.configuration.set_pc_width(24);
  t.R(2)->value = -1;      // 0xFFFF
  t.R(3)->value = -32768;  // 0x8000
  t.machine.program_counter.jump_to_register(t.machine.registers, *t.R(2), {}, t.error_handler);
  EXPECT_EQ(t.machine.program_counter.value, 0x8000FFFFLL);
  EXPECT_EQ(t.errors(), 1);
  EXPECT_TRUE(t.reported("Program counter out of range."));
}

TEST(PROGRAM_COUNTER, jump_above_the_M_bit_range_is_reported) {
  TEST_MACHINE t;  // M = 16: 0 to 0xFFFF
  t.R(2)->value = 0;
  t.R(3)->value = 1;
  t.machine.configuration.set_pc_width(16);
  t.machine.configuration.set_data_size(8);
  t.R(3)->value = -1;  // 0xFF00: inside
  t.machine.program_counter.jump_to_register(t.machine.registers, *t.R(2), {}, t.error_handler);
  EXPECT_EQ(t.errors(), 0);
  t.machine.configuration.set_pc_width(17);
  t.machine.configuration.set_data_size(16);
  t.R(2)->value = 0;
  t.R(3)->value = 2;  // 0x20000 > 2^17 - 1
  t.machine.program_counter.jump_to_register(t.machine.registers, *t.R(2), {}, t.error_handler);
  EXPECT_EQ(t.machine.program_counter.value, 0x20000);
  EXPECT_EQ(t.errors(), 1);
}

TEST(PROGRAM_COUNTER, line_shows_the_instruction_or_the_end_of_code) {
  TEST_MACHINE t;
  t.machine.rom.append(std::make_unique<ADD>(POSITION{}, t.R(3), t.R(5)));
  std::string text;
  t.machine.program_counter.append_line(text, t.machine);
  EXPECT_EQ(text, "PC = 0    ADD R3,R5" + std::string(21, ' '));
  text.clear();
  t.machine.program_counter.value = 1;
  t.machine.program_counter.append_line(text, t.machine);
  EXPECT_EQ(text, "PC = 1    End of code reached." + std::string(10, ' '));
  EXPECT_EQ(t.machine.program_counter.current_position(t.machine), nullptr);
  t.machine.program_counter.value = -4;
  text.clear();
  t.machine.program_counter.append_line(text, t.machine);
  EXPECT_EQ(text, "PC = -4   End of code reached." + std::string(10, ' '));
}

TEST(PROGRAM_COUNTER, current_position_is_that_of_the_instruction_there) {
  TEST_MACHINE t;
  const POSITION here{nullptr, 12, 3};
  t.machine.rom.append(std::make_unique<NOP>(here));
  ASSERT_NE(t.machine.program_counter.current_position(t.machine), nullptr);
  EXPECT_EQ(*t.machine.program_counter.current_position(t.machine), here);
}
