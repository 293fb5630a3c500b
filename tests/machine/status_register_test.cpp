#include "machine/status_register.h"

#include <gtest/gtest.h>

#include <string>

TEST(STATUS_REGISTER, flag_letters_address_their_bits_and_other_letters_address_C) {
  EXPECT_EQ(flag_bit('I'), 7);
  EXPECT_EQ(flag_bit('S'), 4);
  EXPECT_EQ(flag_bit('V'), 3);
  EXPECT_EQ(flag_bit('N'), 2);
  EXPECT_EQ(flag_bit('Z'), 1);
  EXPECT_EQ(flag_bit('C'), 0);
  EXPECT_EQ(flag_bit('Q'), 0);
  STATUS_REGISTER status;
  status.reset();
  status.set_flag('X', true);
  EXPECT_TRUE(status.flag('C'));
}

TEST(STATUS_REGISTER, reset_sets_only_I) {
  STATUS_REGISTER status;
  status.set_status_word(0x1F);
  status.reset();
  EXPECT_TRUE(status.flag('I'));
  for (char letter : {'S', 'V', 'N', 'Z', 'C'}) EXPECT_FALSE(status.flag(letter)) << letter;
}

TEST(STATUS_REGISTER, a_new_register_holds_I_only_as_after_a_reset) {
  STATUS_REGISTER status;
  EXPECT_TRUE(status.flag('I'));
  for (char letter : {'S', 'V', 'N', 'Z', 'C'}) EXPECT_FALSE(status.flag(letter)) << letter;
  std::string display;
  status.append_display(display);
  EXPECT_EQ(display, "I _ _ S V N Z C\n1     0 0 0 0 0\n");
}

TEST(STATUS_REGISTER, status_word_counts_I_as_sign_when_N_is_8) {
  STATUS_REGISTER status;
  status.reset();
  EXPECT_EQ(status.status_word(8), -128);
  EXPECT_EQ(status.status_word(16), 128);
  status.set_flag('Z', true);
  status.set_flag('C', true);
  EXPECT_EQ(status.status_word(10), 128 + 2 + 1);
}

TEST(STATUS_REGISTER, set_status_word_never_sets_bits_6_and_5) {
  STATUS_REGISTER status;
  status.set_status_word(0xFF);
  EXPECT_EQ(status.status_word(16), 0x9F);
  status.set_status_word(0x60);
  EXPECT_EQ(status.status_word(16), 0);
}

TEST(STATUS_REGISTER, update_s_and_update_v_follow_the_exclusive_or) {
  STATUS_REGISTER status;
  status.set_status_word(0);
  status.set_flag('N', true);
  status.update_v();  // N=1, C=0
  EXPECT_TRUE(status.flag('V'));
  status.update_s();  // N=1, V=1
  EXPECT_FALSE(status.flag('S'));
}

TEST(STATUS_REGISTER, display_after_reset_puts_digits_under_the_letters) {
  STATUS_REGISTER status;
  status.reset();
  std::string text = "old";
  status.append_display(text);
  EXPECT_EQ(text, "I _ _ S V N Z C\n1     0 0 0 0 0\n");
  status.set_status_word(0x1F);
  status.append_display(text);
  EXPECT_EQ(text, "I _ _ S V N Z C\n0     1 1 1 1 1\n");
}
