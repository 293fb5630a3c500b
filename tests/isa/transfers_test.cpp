// Transfers between registers, the status register, immediates and ports.
#include "isa/isa_fixture.h"

class TRANSFERS : public ISA_FIXTURE {};

TEST_F(TRANSFERS, TFR_copies_without_touching_flags) {
  m.status.set_status_word(0x03);
  R(2)->value = -9;
  run<TFR>(R(1), R(2));
  EXPECT_EQ(R(1)->value, -9);
  EXPECT_EQ(flags(), "ZC");
}

TEST_F(TRANSFERS, TFSR_gives_a_negative_value_for_I_when_N_is_8) {
  m.status.reset();
  run<TFSR>(R(1));
  EXPECT_EQ(R(1)->value, -128);
  data_size(16);
  m.status.reset();
  run<TFSR>(R(1));
  EXPECT_EQ(R(1)->value, 128);
  m.status.set_status_word(0x15);
  run<TFSR>(R(1));
  EXPECT_EQ(R(1)->value, 0x15);
}

TEST_F(TRANSFERS, TTSR_leaves_bits_6_and_5_at_zero) {
  R(1)->value = 0x7F;
  run<TTSR>(R(1));
  EXPECT_EQ(m.status.status_word(16), 0x1F);
  EXPECT_EQ(flags(), "SVNZC");
  R(1)->value = -128;  // only bit 7 within 8 bits
  run<TTSR>(R(1));
  EXPECT_EQ(flags(), "I");
}

TEST_F(TRANSFERS, LDIL_sets_the_low_byte_and_sign_extends_at_8_bits) {
  R(2)->value = 0;
  run<LDIL>(R(2), 255);
  EXPECT_EQ(R(2)->value, -1);
  data_size(16);
  R(2)->value = 0x1200;
  run<LDIL>(R(2), 0x34);
  EXPECT_EQ(R(2)->value, 0x1234);
  R(2)->value = -1;
  run<LDIL>(R(2), 0);
  EXPECT_EQ(R(2)->value, -256);
}

TEST_F(TRANSFERS, LDIH_changes_nothing_at_8_bits) {
  R(1)->value = 0x35;
  run<LDIH>(R(1), 255);
  EXPECT_EQ(R(1)->value, 0x35);
  EXPECT_EQ(m.program_counter.value, 1);
  EXPECT_EQ(m.clock.periods(), 1);
}

TEST_F(TRANSFERS, LDIH_sets_the_high_bits_and_keeps_the_low_byte) {
  data_size(16);
  R(1)->value = 0;
  run<LDIH>(R(1), 255);
  EXPECT_EQ(R(1)->value, -256);  // 0xFF00
  R(1)->value = 0x12;
  run<LDIH>(R(1), 0x7F);
  EXPECT_EQ(R(1)->value, 0x7F12);
  data_size(12);
  R(1)->value = 0x34;
  run<LDIH>(R(1), 0xFF);  // only 4 bits fit: 0xF34
  EXPECT_EQ(R(1)->value, 0xF34 - 0x1000);
}

TEST_F(TRANSFERS, LDIL_and_LDIH_only_reach_R0_to_R7) {
  m.configuration.set_register_count(16);
  LDIL low(POSITION{}, R(8), 1);
  low.check_placement(m);
  EXPECT_TRUE(t.reported("Incompatible register R8 for LDIL/LDIH."));
  LDIH high(POSITION{}, R(7), 1);
  high.check_placement(m);
  EXPECT_EQ(t.errors(), 1);
}

TEST_F(TRANSFERS, IN_and_OUT_refuse_a_port_above_127_at_construction) {
  IN in(POSITION{}, R(1), 128, t.error_handler);
  EXPECT_TRUE(t.reported("128 : port number out of range."));
  EXPECT_EQ(in.immediate(), 0);
  OUT out(POSITION{}, R(1), -1, t.error_handler);
  EXPECT_TRUE(t.reported("-1 : port number out of range."));
  OUT last(POSITION{}, R(1), 127, t.error_handler);
  EXPECT_EQ(t.errors(), 2);
}

TEST_F(TRANSFERS, IN_and_OUT_only_reach_R0_to_R7) {
  m.configuration.set_register_count(16);
  IN in(POSITION{}, R(9), 3, t.error_handler);
  in.check_placement(m);
  EXPECT_TRUE(t.reported("Bad input/output register (greater than 7)."));
  OUT out(POSITION{}, R(7), 3, t.error_handler);
  out.check_placement(m);
  EXPECT_EQ(t.errors(), 1);
}

TEST_F(TRANSFERS, IN_reads_input_bits_and_OUT_writes_output_bits) {
  m.devices.set_input(96, 0x3C);
  m.devices.set_input(97, 0x0F);
  run<IN>(R(1), 96, std::ref(t.error_handler));
  EXPECT_EQ(R(1)->value, 0x30);
  m.devices.set_input(4, 0x12);
  run<IN>(R(2), 4, std::ref(t.error_handler));
  EXPECT_EQ(R(2)->value, 0x12);
  R(3)->value = -1;
  run<OUT>(R(3), 96, std::ref(t.error_handler));
  EXPECT_EQ(m.devices.io[0], 0x0F);
  run<OUT>(R(3), 10, std::ref(t.error_handler));
  EXPECT_EQ(m.devices.output[10], -1);
  EXPECT_EQ(m.clock.periods(), 4);
}

TEST_F(TRANSFERS, IN_keeps_the_register_within_N_bits) {
  m.devices.set_input(0, 0xFF);
  run<IN>(R(1), 0, std::ref(t.error_handler));
  EXPECT_EQ(R(1)->value, -1);
}
