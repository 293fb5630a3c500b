// RAM access through address registers, with wrapping, and ROM reads with LPM.
#include "base/src_file.h"
#include "isa/isa_fixture.h"

class MEMORY_ACCESS : public ISA_FIXTURE {};

TEST_F(MEMORY_ACCESS, ST_then_LD_through_an_address_register) {
  R(2)->value = 9;
  R(1)->value = -5;
  run<ST>(R(1), R(2));
  run<LD>(R(3), R(2));
  EXPECT_EQ(R(3)->value, -5);
  EXPECT_EQ(t.warnings() + t.errors(), 0);
  EXPECT_EQ(m.clock.periods(), 2);
  EXPECT_EQ(flags(), "");
}

TEST_F(MEMORY_ACCESS, LD_of_an_unwritten_word_warns) {
  R(2)->value = 3;
  R(3)->value = 44;
  run<LD>(R(3), R(2));
  EXPECT_EQ(R(3)->value, 0);
  EXPECT_TRUE(t.reported("Reading un-initialized RAM word."));
}

TEST_F(MEMORY_ACCESS, register_pair_reaches_RAM_above_the_data_width) {
  m.configuration.set_ram_address_width(9);
  R(2)->value = 0x10;
  R(3)->value = 1;
  R(1)->value = 7;
  run<ST>(R(1), R(2));
  EXPECT_EQ(m.ram.word(0x110), 7);
  EXPECT_EQ(m.ram.written_end(), 0x110);
}

TEST_F(MEMORY_ACCESS, LDX_increment_at_the_last_address_wraps_and_warns) {
  m.ram.write(63, 21, {}, t.error_handler);
  R(2)->value = 63;
  run<LDX_INCREMENT>(R(1), R(2));
  EXPECT_EQ(R(1)->value, 21);
  EXPECT_EQ(R(2)->value, 0);
  EXPECT_EQ(flags(), "Z");
  EXPECT_TRUE(t.reported("address in RAM has done a loop."));
  EXPECT_EQ(t.warnings(), 1);
}

TEST_F(MEMORY_ACCESS, LDX_increment_steps_the_address) {
  m.ram.write(4, 8, {}, t.error_handler);
  m.status.set_flag('Z', true);
  R(2)->value = 4;
  run<LDX_INCREMENT>(R(1), R(2));
  EXPECT_EQ(R(1)->value, 8);
  EXPECT_EQ(R(2)->value, 5);
  EXPECT_EQ(flags(), "");
  EXPECT_EQ(t.warnings(), 0);
}

TEST_F(MEMORY_ACCESS, LDX_increment_carries_into_the_high_register) {
  m.configuration.set_ram_address_width(9);
  m.ram.write(0xFF, 3, {}, t.error_handler);
  R(2)->value = -1;  // 0xFF
  R(3)->value = 0;
  run<LDX_INCREMENT>(R(1), R(2));
  EXPECT_EQ(R(2)->value, 0);
  EXPECT_EQ(R(3)->value, 1);
  EXPECT_EQ(flags(), "");  // the address is 256, not 0
}

TEST_F(MEMORY_ACCESS, LDX_decrement_from_zero_wraps_to_the_last_address_silently) {
  R(2)->value = 0;
  R(1)->value = 5;
  run<LDX_DECREMENT>(R(1), R(2));
  EXPECT_EQ(R(2)->value, 63);
  EXPECT_EQ(R(1)->value, 0);  // unwritten: 0 without a warning
  EXPECT_EQ(t.warnings(), 0);
  EXPECT_EQ(flags(), "");
}

TEST_F(MEMORY_ACCESS, LDX_decrement_to_zero_reads_and_warns) {
  m.ram.write(0, 12, {}, t.error_handler);
  R(2)->value = 1;
  run<LDX_DECREMENT>(R(1), R(2));
  EXPECT_EQ(R(1)->value, 12);
  EXPECT_EQ(R(2)->value, 0);
  EXPECT_EQ(flags(), "Z");
  EXPECT_TRUE(t.reported("address in RAM has done a loop."));
}

TEST_F(MEMORY_ACCESS, STX_increment_stores_then_steps) {
  R(1)->value = 66;
  R(2)->value = 62;
  run<STX_INCREMENT>(R(1), R(2));
  run<STX_INCREMENT>(R(1), R(2));
  EXPECT_EQ(m.ram.word(62), 66);
  EXPECT_EQ(m.ram.word(63), 66);
  EXPECT_EQ(R(2)->value, 0);
  EXPECT_EQ(flags(), "Z");
  EXPECT_EQ(t.warnings(), 1);
}

TEST_F(MEMORY_ACCESS, STX_decrement_steps_then_stores) {
  R(1)->value = -3;
  R(2)->value = 0;
  run<STX_DECREMENT>(R(1), R(2));
  EXPECT_EQ(R(2)->value, 63);
  EXPECT_EQ(m.ram.word(63), -3);
  EXPECT_EQ(flags(), "");
  R(2)->value = 1;
  run<STX_DECREMENT>(R(1), R(2));
  EXPECT_EQ(m.ram.word(0), -3);
  EXPECT_EQ(flags(), "Z");
  EXPECT_TRUE(t.reported("address in RAM has done a loop."));
}

class LPM_TEST : public ISA_FIXTURE {
 protected:
  void SetUp() override {
    m.rom.append(std::make_unique<PMC>(POSITION{}, 0xABCD));
    m.rom.append(std::make_unique<PMC>(POSITION{}, 0x1234));
    R(2)->value = 0;
    R(3)->value = 0;
  }
};

TEST_F(LPM_TEST, splits_the_word_between_two_registers_at_8_bits) {
  run<LPM>(R(4), R(2));
  EXPECT_EQ(R(4)->value, -51);  // 0xCD
  EXPECT_EQ(R(5)->value, -85);  // 0xAB
  R(2)->value = 1;
  run<LPM>(R(4), R(2));
  EXPECT_EQ(R(4)->value, 0x34);
  EXPECT_EQ(R(5)->value, 0x12);
  EXPECT_EQ(m.clock.periods(), 8);
  EXPECT_EQ(m.program_counter.value, 2);
}

TEST_F(LPM_TEST, at_10_bits_the_high_part_is_sign_extended) {
  data_size(10);
  run<LPM>(R(4), R(2));
  EXPECT_EQ(R(4)->value, 0x3CD - 0x400);
  EXPECT_EQ(R(5)->value, 0x2A - 0x40);  // bits 10 to 15: 101010
}

TEST_F(LPM_TEST, at_16_bits_one_register_holds_the_word) {
  data_size(16);
  R(5)->value = 99;
  run<LPM>(R(4), R(2));
  EXPECT_EQ(R(4)->value, 0xABCD - 0x10000);
  EXPECT_EQ(R(5)->value, 99);
}

TEST_F(LPM_TEST, reads_instruction_codes_too) {
  m.rom.append(std::make_unique<NOP>(POSITION{}));
  R(2)->value = 2;
  run<LPM>(R(4), R(2));
  EXPECT_EQ(R(4)->value, 0);
  EXPECT_EQ(R(5)->value, 0xCC - 0x100);
}

TEST_F(LPM_TEST, beyond_the_rom_loads_zero) {
  R(2)->value = 100;
  R(4)->value = 1;
  R(5)->value = 1;
  run<LPM>(R(4), R(2));
  EXPECT_EQ(R(4)->value, 0);
  EXPECT_EQ(R(5)->value, 0);
  EXPECT_EQ(t.errors() + t.warnings(), 0);
}

TEST_F(LPM_TEST, into_the_last_register_warns_only_for_assembly_sources) {
  SRC_FILE assembly("lib/prog.s"), c_source("prog.c");
  LPM from_c(POSITION::make(&c_source, 1, 1), R(7), R(2));
  from_c.execute(m);
  EXPECT_EQ(t.warnings(), 0);
  LPM from_assembly(POSITION::make(&assembly, 1, 1), R(7), R(2));
  from_assembly.execute(m);
  EXPECT_EQ(R(7)->value, -51);
  EXPECT_EQ(t.warnings(), 1);
  EXPECT_TRUE(t.reported("Truncated value during LPM."));
}

TEST_F(LPM_TEST, uses_a_register_pair_for_the_ROM_address) {
  for (int i = 0; i < 300; ++i) m.rom.append(std::make_unique<PMC>(POSITION{}, i));
  R(2)->value = 0x02;  // 258 = 0x0102, minus the 2 words already there: PMC 256
  R(3)->value = 1;
  run<LPM>(R(4), R(2));
  EXPECT_EQ(R(4)->value, 0);
  EXPECT_EQ(R(5)->value, 1);
}
