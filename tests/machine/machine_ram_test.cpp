#include <gtest/gtest.h>

#include "machine/test_machine.h"

TEST(MACHINE_RAM, first_read_above_written_part_warns_once_and_yields_zero) {
  TEST_MACHINE t;
  MACHINE_RAM& ram = t.machine.ram;
  EXPECT_EQ(ram.read(5, {}, t.error_handler), 0);
  EXPECT_EQ(t.warnings(), 1);
  EXPECT_TRUE(t.reported("Reading un-initialized RAM word."));
  EXPECT_EQ(ram.read(5, {}, t.error_handler), 0);
  EXPECT_EQ(ram.read(3, {}, t.error_handler), 0);  // below the written end: written
  EXPECT_EQ(t.warnings(), 1);
  EXPECT_EQ(ram.written_end(), 5);
}

TEST(MACHINE_RAM, write_beyond_the_end_fills_the_gap_with_written_zeros) {
  TEST_MACHINE t;
  MACHINE_RAM& ram = t.machine.ram;
  ram.write(10, 77, {}, t.error_handler);
  EXPECT_EQ(ram.written_end(), 10);
  for (int a = 0; a < 10; ++a) EXPECT_EQ(ram.read(a, {}, t.error_handler), 0);
  EXPECT_EQ(ram.read(10, {}, t.error_handler), 77);
  EXPECT_EQ(t.warnings() + t.errors(), 0);
}

TEST(MACHINE_RAM, write_to_an_invalid_address_is_an_error_and_changes_nothing) {
  TEST_MACHINE t;  // L = 6: addresses 0 to 63
  MACHINE_RAM& ram = t.machine.ram;
  ram.write(64, 1, {}, t.error_handler);
  EXPECT_TRUE(t.reported("64 : is not a valid address in RAM."));
  ram.write(-1, 1, {}, t.error_handler);
  EXPECT_EQ(t.errors(), 2);
  EXPECT_EQ(ram.written_end(), -1);
  ram.write(63, 1, {}, t.error_handler);
  EXPECT_EQ(t.errors(), 2);
}

TEST(MACHINE_RAM, read_of_an_invalid_address_reports_and_does_not_grow) {
  TEST_MACHINE t;
  EXPECT_EQ(t.machine.ram.read(1000000, {}, t.error_handler), 0);
  EXPECT_EQ(t.errors(), 1);
  EXPECT_EQ(t.machine.ram.written_end(), -1);
}

TEST(MACHINE_RAM, pair_address_when_data_is_narrower_than_address) {
  TEST_MACHINE t;
  t.machine.configuration.set_ram_address_width(9);
  t.R(2)->value = -1;  // 0xFF
  t.R(3)->value = 1;
  EXPECT_EQ(t.machine.ram.address_in(t.machine.registers, *t.R(2)), 511);
  t.machine.ram.store_address(256, t.machine.registers, *t.R(2));
  EXPECT_EQ(t.R(2)->value, 0);
  EXPECT_EQ(t.R(3)->value, 1);
  t.machine.ram.store_address(0x1FF, t.machine.registers, *t.R(2));
  EXPECT_EQ(t.R(2)->value, -1);  // N-bit register form
  EXPECT_EQ(t.R(3)->value, 1);
}

TEST(MACHINE_RAM, single_register_address_keeps_only_L_bits) {
  TEST_MACHINE t;
  t.machine.configuration.set_data_size(16);
  t.R(2)->value = 0x7FC1;
  t.R(3)->value = 5;
  EXPECT_EQ(t.machine.ram.address_in(t.machine.registers, *t.R(2)), 1);
  t.machine.ram.store_address(1, t.machine.registers, *t.R(2));
  EXPECT_EQ(t.R(2)->value, 1);
  EXPECT_EQ(t.R(3)->value, 5);
}

TEST(MACHINE_RAM, address_of_the_last_register_has_no_high_half) {
  TEST_MACHINE t;
  t.machine.configuration.set_register_count(32);
  t.machine.configuration.set_ram_address_width(12);
  t.R(31)->value = 7;
  EXPECT_EQ(t.machine.ram.address_in(t.machine.registers, *t.R(31)), 7);
}

TEST(MACHINE_RAM, allocate_appends_zero_words_and_reserve_records_the_first) {
  TEST_MACHINE t;
  MACHINE_RAM& ram = t.machine.ram;
  EXPECT_EQ(ram.allocate(3), 0);
  EXPECT_EQ(ram.allocate(2), 3);
  ram.raise_reservation(4);
  ram.raise_reservation(2);
  EXPECT_EQ(ram.reservation_count(), 4);
  ram.reserve();
  EXPECT_EQ(ram.first_reserved(), 5);
  EXPECT_EQ(ram.written_end(), 8);
  ram.reset();
  EXPECT_EQ(ram.written_end(), -1);
  EXPECT_EQ(ram.reservation_count(), 0);
}

TEST(MACHINE_RAM, word_line_shows_written_words_and_refuses_others) {
  TEST_MACHINE t;
  t.machine.ram.write(5, -3, {}, t.error_handler);
  std::string text = "old";
  t.machine.ram.append_word_line(text, 5);
  EXPECT_EQ(text, "5    = 0xFD 0b11111101 = -3\n");
  t.machine.ram.append_word_line(text, 6);
  EXPECT_EQ(text, "6 is not a valid address in RAM.\n");
}

TEST(MACHINE_RAM, address_text_has_L_over_4_digits_when_valid) {
  TEST_MACHINE t;
  std::string text;
  t.machine.ram.append_address(text, 10);
  EXPECT_EQ(text, "0x0A");
  text.clear();
  t.machine.ram.append_address(text, 64);
  EXPECT_EQ(text, "0x00000040");
  t.machine.configuration.set_ram_address_width(9);
  text.clear();
  t.machine.ram.append_address(text, 300);
  EXPECT_EQ(text, "0x12C");
}
