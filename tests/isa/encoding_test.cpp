// Every instruction's 16 bits against the encoding table, written field by field.
#include "isa/isa_fixture.h"

// The codes are written in the fields of the encoding table.
// clang-format off

class ENCODING : public ISA_FIXTURE {
 protected:
  void SetUp() override { m.configuration.set_register_count(32); }
  const POSITION p{};
};

TEST_F(ENCODING, two_register_instructions_put_source_then_destination) {
  EXPECT_EQ(code_of(ADC(p, R(3), R(5))), "000001" "00101" "00011");
  EXPECT_EQ(code_of(ADD(p, R(3), R(5))), "0000100010100011");
  EXPECT_EQ(code_of(SUB(p, R(3), R(5))), "000011" "00101" "00011");
  EXPECT_EQ(code_of(SUBC_Z(p, R(3), R(5))), "000100" "00101" "00011");
  EXPECT_EQ(code_of(ASM_AND(p, R(3), R(5))), "000101" "00101" "00011");
  EXPECT_EQ(code_of(ASM_OR(p, R(3), R(5))), "000110" "00101" "00011");
  EXPECT_EQ(code_of(EOR(p, R(3), R(5))), "000111" "00101" "00011");
  EXPECT_EQ(code_of(TFR(p, R(3), R(5))), "001000" "00101" "00011");
  EXPECT_EQ(code_of(CMP(p, R(3), R(5))), "001010" "00101" "00011");
  EXPECT_EQ(code_of(ADD(p, R(31), R(30))), "000010" "11110" "11111");
}

TEST_F(ENCODING, one_register_instructions) {
  EXPECT_EQ(code_of(TTSR(p, R(5))), "00101100000" "00101");
  EXPECT_EQ(code_of(TFSR(p, R(3))), "00110000000" "00011");
  EXPECT_EQ(code_of(ASR(p, R(3))), "01000000000" "00011");
  EXPECT_EQ(code_of(LSR(p, R(3))), "01000000100" "00011");
  EXPECT_EQ(code_of(LSL(p, R(3))), "01000001000" "00011");
  EXPECT_EQ(code_of(ROL(p, R(3))), "01000001100" "00011");
  EXPECT_EQ(code_of(ROR(p, R(3))), "01000010000" "00011");
  EXPECT_EQ(code_of(NEG(p, R(3))), "01000010100" "00011");
  EXPECT_EQ(code_of(COM(p, R(17))), "01000011000" "10001");
  EXPECT_EQ(code_of(IJMP(p, R(4))), "11000000000" "00100");
  EXPECT_EQ(code_of(ICALL(p, R(4))), "11001000000" "00100");
}

TEST_F(ENCODING, bit_and_immediate_instructions) {
  EXPECT_EQ(code_of(BITCHG(p, R(3), 9)), "0100010" "1001" "00011");
  EXPECT_EQ(code_of(BITCLR(p, R(3), 9)), "0100011" "1001" "00011");
  EXPECT_EQ(code_of(BITSET(p, R(3), 15)), "0100100" "1111" "00011");
  EXPECT_EQ(code_of(BITST(p, R(3), 0)), "0100101" "0000" "00011");
  EXPECT_EQ(code_of(ADI(p, R(3), -3)), "0110" "1111101" "00011");
  EXPECT_EQ(code_of(CMPI(p, R(3), 17)), "0111" "0010001" "00011");
  EXPECT_EQ(code_of(LDIH(p, R(2), 255)), "10000" "11111111" "010");
  EXPECT_EQ(code_of(LDIL(p, R(2), 255)), "1000111111111010");
  EXPECT_EQ(code_of(LDIL(p, R(7), 0x5A)), "10001" "01011010" "111");
}

TEST_F(ENCODING, memory_instructions_put_address_then_data_register) {
  EXPECT_EQ(code_of(LD(p, R(3), R(4))), "100100" "00100" "00011");
  EXPECT_EQ(code_of(LDX_INCREMENT(p, R(3), R(4))), "100101" "00100" "00011");
  EXPECT_EQ(code_of(LDX_DECREMENT(p, R(3), R(4))), "100110" "00100" "00011");
  EXPECT_EQ(code_of(ST(p, R(3), R(4))), "100111" "00100" "00011");
  EXPECT_EQ(code_of(STX_INCREMENT(p, R(3), R(4))), "101000" "00100" "00011");
  EXPECT_EQ(code_of(STX_DECREMENT(p, R(3), R(4))), "101001" "00100" "00011");
  EXPECT_EQ(code_of(LPM(p, R(3), R(4))), "101100" "00100" "00011");
}

TEST_F(ENCODING, port_instructions) {
  EXPECT_EQ(code_of(IN(p, R(3), 100, t.error_handler)), "101010" "1100100" "011");
  EXPECT_EQ(code_of(OUT(p, R(5), 7, t.error_handler)), "101011" "0000111" "101");
}

TEST_F(ENCODING, fixed_words_and_nop_shared_with_iem) {
  EXPECT_EQ(code_of(INT(p)), "1100000100000000");
  EXPECT_EQ(code_of(RET(p)), "1100001000000000");
  EXPECT_EQ(code_of(RETI(p)), "1100001100000000");
  EXPECT_EQ(code_of(NOP(p)), "1100110000000000");
  EXPECT_EQ(code_of(IEM(p, R(3))), code_of(NOP(p)));
}

TEST_F(ENCODING, flag_branches_carry_the_flag_code) {
  EXPECT_EQ(code_of(IB1(p, 'Z', R(4))), "1101010010000100");
  EXPECT_EQ(code_of(IB0(p, 'I', R(6))), "110100" "111" "00" "00110");
  EXPECT_EQ(code_of(IB0(p, 'S', R(6))), "110100" "100" "00" "00110");
  EXPECT_EQ(code_of(IB0(p, 'V', R(6))), "110100" "011" "00" "00110");
  EXPECT_EQ(code_of(IB0(p, 'N', R(6))), "110100" "010" "00" "00110");
  EXPECT_EQ(code_of(RB0(p, 'C', -1)), "110110" "000" "1111111");
  EXPECT_EQ(code_of(RB1(p, 'I', 5)), "110111" "111" "0000101");
}

TEST_F(ENCODING, relative_jumps_carry_twelve_bit_offsets) {
  EXPECT_EQ(code_of(RJMP(p, -1)), "1110111111111111");
  EXPECT_EQ(code_of(RCALL(p, 2047)), "1111" "011111111111");
  EXPECT_EQ(code_of(RCALL(p, -2048)), "1111" "100000000000");
}

TEST_F(ENCODING, label_branches_encode_the_distance_to_the_label) {
  ASM_LABEL label("loop", p);
  m.rom.append(std::make_unique<NOP>(p));
  m.rom.append(std::make_unique<NOP>(p));
  auto branch = std::make_unique<RJMP>(p, &label);
  const RJMP* rjmp = branch.get();
  m.rom.append(std::move(branch));
  label.address = 0;
  EXPECT_EQ(code_of(*rjmp), "1110" "111111111110");  // 0 - 2
}

TEST_F(ENCODING, program_constants_are_their_own_sixteen_bits) {
  EXPECT_EQ(code_of(PMC(p, 0x1234)), "0001001000110100");
  EXPECT_EQ(code_of(PMC(p, -1)), "1111111111111111");
  EXPECT_EQ(PMC(p, 0xABCD).code(), 0xABCD);
}

TEST(APPEND_BITS, writes_the_low_bits_most_significant_first) {
  std::string text;
  append_bits(text, 5, 4);
  append_bits(text, -2, 3);
  EXPECT_EQ(text, "0101" "110");
}
// clang-format on
