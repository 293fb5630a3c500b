// Logical, single-bit, shift and rotate instructions.
#include "isa/isa_fixture.h"

class LOGIC : public ISA_FIXTURE {};

TEST_F(LOGIC, AND_OR_clear_carry_and_overflow) {
  m.status.set_status_word(0x09);  // V and C
  R(1)->value = 0x0C;
  R(2)->value = 0x0A;
  run<ASM_AND>(R(1), R(2));
  EXPECT_EQ(R(1)->value, 0x08);
  EXPECT_EQ(flags(), "");
  R(1)->value = -128;
  run<ASM_OR>(R(1), R(2));
  EXPECT_EQ(R(1)->value, -118);
  EXPECT_EQ(flags(), "SN");
  R(3)->value = 0x55;
  R(4)->value = 0x2A;
  run<ASM_AND>(R(3), R(4));
  EXPECT_EQ(flags(), "Z");
}

TEST_F(LOGIC, EOR_of_a_register_with_itself_clears_it) {
  R(4)->value = 77;
  run<EOR>(R(4), R(4));
  EXPECT_EQ(R(4)->value, 0);
  EXPECT_EQ(flags(), "Z");
  R(4)->value = 0x0F;
  R(5)->value = -1;
  run<EOR>(R(4), R(5));
  EXPECT_EQ(R(4)->value, -16);
  EXPECT_EQ(flags(), "SN");
}

TEST_F(LOGIC, COM_complements_within_N_bits_and_sets_carry) {
  R(1)->value = 0;
  run<COM>(R(1));
  EXPECT_EQ(R(1)->value, -1);
  EXPECT_EQ(flags(), "SNC");
  run<COM>(R(1));
  EXPECT_EQ(R(1)->value, 0);
  EXPECT_EQ(flags(), "ZC");
}

TEST_F(LOGIC, BITSET_of_the_sign_bit_sign_extends) {
  R(1)->value = 0;
  run<BITSET>(R(1), 7);
  EXPECT_EQ(R(1)->value, -128);
  EXPECT_EQ(flags(), "SN");
  run<BITCLR>(R(1), 7);
  EXPECT_EQ(R(1)->value, 0);
  EXPECT_EQ(flags(), "Z");
  run<BITCHG>(R(1), 2);
  EXPECT_EQ(R(1)->value, 4);
  run<BITCHG>(R(1), 2);
  EXPECT_EQ(R(1)->value, 0);
  EXPECT_EQ(m.clock.periods(), 4);
}

TEST_F(LOGIC, BITST_sets_Z_to_the_bit_itself) {
  m.status.set_status_word(0x1D);
  R(1)->value = 0x10;
  run<BITST>(R(1), 4);
  EXPECT_EQ(flags(), "Z");
  EXPECT_EQ(R(1)->value, 0x10);
  m.status.set_status_word(0x1F);
  run<BITST>(R(1), 3);
  EXPECT_EQ(flags(), "");
}

TEST_F(LOGIC, LSL_moves_the_sign_bit_into_carry) {
  R(1)->value = 0x40;
  run<LSL>(R(1));
  EXPECT_EQ(R(1)->value, -128);
  EXPECT_EQ(flags(), "VN");
  run<LSL>(R(1));
  EXPECT_EQ(R(1)->value, 0);
  EXPECT_EQ(flags(), "SVZC");
}

TEST_F(LOGIC, LSR_fills_the_sign_bit_with_zero) {
  R(1)->value = -1;
  run<LSR>(R(1));
  EXPECT_EQ(R(1)->value, 127);
  EXPECT_EQ(flags(), "SVC");
  data_size(10);
  R(1)->value = -1;
  run<LSR>(R(1));
  EXPECT_EQ(R(1)->value, 511);
}

TEST_F(LOGIC, ASR_keeps_the_sign_bit) {
  R(1)->value = -2;
  run<ASR>(R(1));
  EXPECT_EQ(R(1)->value, -1);
  EXPECT_EQ(flags(), "VN");
  R(1)->value = 1;
  run<ASR>(R(1));
  EXPECT_EQ(R(1)->value, 0);
  EXPECT_EQ(flags(), "SVZC");
}

TEST_F(LOGIC, ROL_and_ROR_rotate_through_carry) {
  m.status.set_flag('C', true);
  R(1)->value = 0x40;
  run<ROL>(R(1));
  EXPECT_EQ(R(1)->value, -127);  // 0x81
  EXPECT_EQ(flags(), "VN");
  m.status.set_flag('C', true);
  R(2)->value = 2;
  run<ROR>(R(2));
  EXPECT_EQ(R(2)->value, -127);  // 0x81
  EXPECT_EQ(flags(), "VN");
  R(2)->value = 1;
  run<ROR>(R(2));
  EXPECT_EQ(R(2)->value, 0);
  EXPECT_EQ(flags(), "SVZC");
}

TEST_F(LOGIC, ROL_at_sixteen_bits_carries_out_bit_15) {
  data_size(16);
  R(1)->value = -32768;
  run<ROL>(R(1));
  EXPECT_EQ(R(1)->value, 0);
  EXPECT_TRUE(m.status.flag('C'));
  run<ROL>(R(1));
  EXPECT_EQ(R(1)->value, 1);
}
