#include <gtest/gtest.h>

#include "machine/test_machine.h"

TEST(MACHINE_STACK, pops_in_reverse_order_of_pushes) {
  TEST_MACHINE t;
  MACHINE_STACK& stack = t.machine.stack;
  stack.push(10, {}, t.error_handler);
  stack.push(20, {}, t.error_handler);
  EXPECT_EQ(stack.pop({}, t.error_handler), 20);
  EXPECT_EQ(stack.pop({}, t.error_handler), 10);
  EXPECT_EQ(t.errors() + t.warnings(), 0);
}

TEST(MACHINE_STACK, fifth_push_of_four_overflows_and_stores_nothing) {
  TEST_MACHINE t;
  MACHINE_STACK& stack = t.machine.stack;
  for (int i = 1; i <= 4; ++i) stack.push(i, {}, t.error_handler);
  EXPECT_EQ(t.errors(), 0);
  stack.push(5, {}, t.error_handler);
  EXPECT_EQ(t.errors(), 1);
  EXPECT_TRUE(t.reported("Stack overflow."));
  EXPECT_EQ(stack.pointer, 4);
  EXPECT_EQ(stack.entries[4], 0);
}

TEST(MACHINE_STACK, pop_after_overflow_yields_zero_then_the_stored_entries) {
  TEST_MACHINE t;
  MACHINE_STACK& stack = t.machine.stack;
  t.machine.configuration.set_stack_size(64);
  for (int i = 0; i < 70; ++i) stack.push(i + 1, {}, t.error_handler);
  EXPECT_EQ(t.errors(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(stack.pop({}, t.error_handler), 0);  // never stored
  EXPECT_EQ(stack.pop({}, t.error_handler), 64);
  EXPECT_EQ(t.warnings(), 0);
}

TEST(MACHINE_STACK, popping_an_empty_stack_warns_and_yields_zero) {
  TEST_MACHINE t;
  EXPECT_EQ(t.machine.stack.pop({}, t.error_handler), 0);
  EXPECT_EQ(t.warnings(), 1);
  EXPECT_TRUE(t.reported("Stack underflow (jump at 0x0000)."));
  EXPECT_EQ(t.machine.stack.pointer, -1);
}

TEST(MACHINE_STACK, display_of_an_empty_stack_marks_top_bottom_and_pointer) {
  TEST_MACHINE t;
  std::string text = "old";
  t.machine.stack.append_display(text);
  EXPECT_EQ(text,
            "    0 <- Stack top\n"
            "    0\n"
            "    0\n"
            "    0 <- Stack bottom\n"
            "    ? <- Stack pointer\n");
}

TEST(MACHINE_STACK, display_marks_the_pointer_entry_before_top_or_bottom) {
  TEST_MACHINE t;
  t.machine.stack.push(12, {}, t.error_handler);
  t.machine.stack.push(1234, {}, t.error_handler);
  std::string text;
  t.machine.stack.append_display(text);
  EXPECT_EQ(text,
            "    0 <- Stack top\n"
            "    0\n"
            " 1234 <- Stack pointer\n"
            "   12 <- Stack bottom\n");
}

TEST(MACHINE_STACK, display_after_overflow_shows_the_missing_entries) {
  TEST_MACHINE t;
  for (int i = 1; i <= 6; ++i) t.machine.stack.push(i, {}, t.error_handler);
  std::string text;
  t.machine.stack.append_display(text);
  EXPECT_EQ(text,
            "    ? <- Stack pointer\n"
            "    ?\n"
            "    4 <- Stack top\n"
            "    3\n"
            "    2\n"
            "    1 <- Stack bottom\n");
}
