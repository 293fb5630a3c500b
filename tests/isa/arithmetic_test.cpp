// Additions, subtractions and NEG at the limits of 8 and 16 bits.
#include "isa/isa_fixture.h"

class ARITHMETIC : public ISA_FIXTURE {};

TEST_F(ARITHMETIC, ADD_sets_overflow_when_two_positives_wrap) {
  R(1)->value = 127;
  R(2)->value = 1;
  run<ADD>(R(1), R(2));
  EXPECT_EQ(R(1)->value, -128);
  EXPECT_EQ(flags(), "VN");
  EXPECT_EQ(m.program_counter.value, 1);
  EXPECT_EQ(m.clock.periods(), 1);
}

TEST_F(ARITHMETIC, ADD_of_minus_one_and_one_carries_to_zero) {
  R(1)->value = -1;
  R(2)->value = 1;
  run<ADD>(R(1), R(2));
  EXPECT_EQ(R(1)->value, 0);
  EXPECT_EQ(flags(), "ZC");
}

TEST_F(ARITHMETIC, ADD_at_the_sixteen_bit_limits) {
  data_size(16);
  R(1)->value = 32767;
  R(2)->value = 1;
  run<ADD>(R(1), R(2));
  EXPECT_EQ(R(1)->value, -32768);
  EXPECT_EQ(flags(), "VN");
  R(3)->value = -32768;
  run<ADD>(R(1), R(3));  // -32768 + -32768 wraps to 0
  EXPECT_EQ(R(1)->value, 0);
  EXPECT_EQ(flags(), "SVZC");
}

TEST_F(ARITHMETIC, ADC_adds_the_carry) {
  m.status.set_flag('C', true);
  R(1)->value = 5;
  R(2)->value = 3;
  run<ADC>(R(1), R(2));
  EXPECT_EQ(R(1)->value, 9);
  EXPECT_EQ(flags(), "");
  R(1)->value = 126;
  R(2)->value = 0;
  m.status.set_flag('C', true);
  run<ADC>(R(1), R(2));
  EXPECT_EQ(R(1)->value, 127);
}

TEST_F(ARITHMETIC, ADI_adds_a_negative_immediate) {
  R(4)->value = 2;
  run<ADI>(R(4), -3);
  EXPECT_EQ(R(4)->value, -1);
  EXPECT_EQ(flags(), "SN");
}

TEST_F(ARITHMETIC, SUB_below_zero_borrows) {
  R(1)->value = 0;
  R(2)->value = 1;
  run<SUB>(R(1), R(2));
  EXPECT_EQ(R(1)->value, -1);
  EXPECT_EQ(flags(), "SNC");
}

TEST_F(ARITHMETIC, SUB_from_the_most_negative_value_overflows) {
  R(1)->value = -128;
  R(2)->value = 1;
  run<SUB>(R(1), R(2));
  EXPECT_EQ(R(1)->value, 127);
  EXPECT_EQ(flags(), "SV");
  data_size(16);
  R(1)->value = -32768;
  R(2)->value = 1;
  run<SUB>(R(1), R(2));
  EXPECT_EQ(R(1)->value, 32767);
  EXPECT_EQ(flags(), "SV");
}

TEST_F(ARITHMETIC, SUB_of_equal_values_is_zero_without_borrow) {
  data_size(16);
  R(1)->value = 1000;
  R(2)->value = 1000;
  run<SUB>(R(1), R(2));
  EXPECT_EQ(R(1)->value, 0);
  EXPECT_EQ(flags(), "Z");
}

TEST_F(ARITHMETIC, SUBC_subtracts_the_carry_and_keeps_Z_only_if_it_was_set) {
  R(1)->value = 5;
  R(2)->value = 4;
  m.status.set_flag('C', true);
  run<SUBC_Z>(R(1), R(2));
  EXPECT_EQ(R(1)->value, 0);
  EXPECT_EQ(flags(), "");  // Z was 0 before
  R(1)->value = 5;
  m.status.set_flag('C', true);
  m.status.set_flag('Z', true);
  run<SUBC_Z>(R(1), R(2));
  EXPECT_EQ(flags(), "Z");
  R(1)->value = 6;
  m.status.set_flag('Z', true);
  run<SUBC_Z>(R(1), R(2));
  EXPECT_EQ(R(1)->value, 2);
  EXPECT_EQ(flags(), "");
}

TEST_F(ARITHMETIC, CMP_and_CMPI_set_flags_without_changing_the_register) {
  R(1)->value = 3;
  R(2)->value = 7;
  run<CMP>(R(1), R(2));
  EXPECT_EQ(R(1)->value, 3);
  EXPECT_EQ(flags(), "SNC");
  run<CMPI>(R(1), 3);
  EXPECT_EQ(R(1)->value, 3);
  EXPECT_EQ(flags(), "Z");
  EXPECT_EQ(m.clock.periods(), 2);
}

TEST_F(ARITHMETIC, NEG_of_the_most_negative_value_stays_and_overflows) {
  R(1)->value = -128;
  run<NEG>(R(1));
  EXPECT_EQ(R(1)->value, -128);
  EXPECT_EQ(flags(), "VN");
  data_size(16);
  R(1)->value = -32768;
  run<NEG>(R(1));
  EXPECT_EQ(R(1)->value, -32768);
  EXPECT_EQ(flags(), "VN");
}

TEST_F(ARITHMETIC, NEG_of_zero_sets_Z_and_C) {
  R(1)->value = 0;
  run<NEG>(R(1));
  EXPECT_EQ(R(1)->value, 0);
  EXPECT_EQ(flags(), "ZC");
  R(1)->value = 5;
  run<NEG>(R(1));
  EXPECT_EQ(R(1)->value, -5);
  EXPECT_EQ(flags(), "SN");
}
