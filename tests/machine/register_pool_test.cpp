#include <gtest/gtest.h>

#include "machine/test_machine.h"

TEST(REGISTER_POOL, setting_the_sign_bit_sign_extends) {
  TEST_MACHINE t;
  REGISTER_POOL& pool = t.machine.registers;
  pool.set_bit(*t.R(1), 7, true);
  EXPECT_EQ(t.R(1)->value, -128);
  EXPECT_EQ(pool.unsigned_value(*t.R(1)), 128);
  pool.set_bit(*t.R(1), 7, false);
  EXPECT_EQ(t.R(1)->value, 0);
  pool.set_bit(*t.R(1), 3, true);
  EXPECT_TRUE(pool.bit(*t.R(1), 3));
  EXPECT_EQ(t.R(1)->value, 8);
}

TEST(REGISTER_POOL, bits_beyond_the_data_size_are_ignored) {
  TEST_MACHINE t;
  t.machine.registers.set_bit(*t.R(1), 12, true);
  EXPECT_EQ(t.R(1)->value, 0);
}

TEST(REGISTER_POOL, signed_and_unsigned_conversions_use_N_bits) {
  TEST_MACHINE t;
  t.machine.configuration.set_data_size(10);
  const REGISTER_POOL& pool = t.machine.registers;
  EXPECT_EQ(pool.to_unsigned(-1), 1023);
  EXPECT_EQ(pool.to_signed(1023), -1);
  EXPECT_EQ(pool.to_signed(511), 511);
  EXPECT_EQ(pool.to_signed(512), -512);
}

TEST(REGISTER_POOL, register_line_shows_hexadecimal_binary_and_decimal) {
  TEST_MACHINE t;
  t.R(3)->value = -1;
  std::string text = "old";
  t.machine.registers.append_register_line(*t.R(3), text);
  EXPECT_EQ(text, "R3  = 0xFF 0b11111111 = -1\n");
  t.machine.configuration.set_register_count(16);
  t.R(12)->value = 5;
  t.machine.registers.append_register_line(*t.R(12), text);
  EXPECT_EQ(text, "R12 = 0x05 0b00000101 = 5\n");
}

TEST(REGISTER_POOL, register_line_groups_hexadecimal_digits_from_the_right) {
  TEST_MACHINE t;
  t.machine.configuration.set_data_size(10);
  t.R(0)->value = -2;
  std::string text;
  t.machine.registers.append_register_line(*t.R(0), text);
  EXPECT_EQ(text, "R0  = 0x3FE 0b1111111110 = -2\n");
}

TEST(REGISTER_POOL, a_number_that_is_no_register_says_so) {
  TEST_MACHINE t;
  std::string text;
  t.machine.registers.append_register_line(8LL, text);
  EXPECT_EQ(text, "R8 : no such register.\n");
  t.machine.registers.append_register_line(-1LL, text);
  EXPECT_EQ(text, "R-1 : no such register.\n");
  t.machine.registers.append_register_line(7LL, text);
  EXPECT_EQ(text, "R7  = 0x00 0b00000000 = 0\n");
}

TEST(REGISTER_POOL, next_register_ends_after_R31) {
  TEST_MACHINE t;
  EXPECT_EQ(t.machine.registers.next_register(*t.R(4)), t.R(5));
  EXPECT_EQ(t.machine.registers.next_register(*t.R(31)), nullptr);
}
