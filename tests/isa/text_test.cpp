// The print form of every instruction.
#include "isa/isa_fixture.h"

class TEXT : public ISA_FIXTURE {
 protected:
  const POSITION p{};
};

TEST_F(TEXT, register_and_immediate_forms) {
  EXPECT_EQ(text_of(ADD(p, R(1), R(2))), "ADD R1,R2");
  EXPECT_EQ(text_of(SUBC_Z(p, R(1), R(2))), "SUBC R1,R2");
  EXPECT_EQ(text_of(ASM_AND(p, R(1), R(2))), "AND R1,R2");
  EXPECT_EQ(text_of(ASM_OR(p, R(1), R(2))), "OR R1,R2");
  EXPECT_EQ(text_of(EOR(p, R(1), R(2))), "EOR R1,R2");
  EXPECT_EQ(text_of(TFR(p, R(6), R(0))), "TFR R6,R0");
  EXPECT_EQ(text_of(ADI(p, R(3), -4)), "ADI R3,#-4");
  EXPECT_EQ(text_of(LDIH(p, R(3), 255)), "LDIH R3,#255");
  EXPECT_EQ(text_of(BITST(p, R(3), 7)), "BITST R3,#7");
  EXPECT_EQ(text_of(NEG(p, R(5))), "NEG R5");
  EXPECT_EQ(text_of(TTSR(p, R(5))), "TTSR R5");
  EXPECT_EQ(text_of(IEM(p, R(5))), "IEM R5");
}

TEST_F(TEXT, EOR_of_a_register_with_itself_prints_as_CLR) {
  EXPECT_EQ(text_of(EOR(p, R(4), R(4))), "CLR R4 (EOR R4,R4)");
}

TEST_F(TEXT, address_forms) {
  EXPECT_EQ(text_of(LD(p, R(1), R(2))), "LD R1,(R2)");
  EXPECT_EQ(text_of(LPM(p, R(1), R(2))), "LPM R1,(R2)");
  EXPECT_EQ(text_of(ST(p, R(1), R(2))), "ST R1,(R2)");
  EXPECT_EQ(text_of(LDX_INCREMENT(p, R(1), R(2))), "LDX R1,(R2)+");
  EXPECT_EQ(text_of(LDX_DECREMENT(p, R(1), R(2))), "LDX R1,-(R2)");
  EXPECT_EQ(text_of(STX_INCREMENT(p, R(1), R(2))), "STX R1,(R2)+");
  EXPECT_EQ(text_of(STX_DECREMENT(p, R(1), R(2))), "STX R1,-(R2)");
  EXPECT_EQ(text_of(IJMP(p, R(2))), "IJMP (R2)");
  EXPECT_EQ(text_of(ICALL(p, R(2))), "ICALL (R2)");
  EXPECT_EQ(text_of(IB0(p, 'Z', R(4))), "IB0 #Z,(R4)");
  EXPECT_EQ(text_of(IB1(p, 'C', R(0))), "IB1 #C,(R0)");
}

TEST_F(TEXT, ports_words_and_constants) {
  EXPECT_EQ(text_of(IN(p, R(1), 5, t.error_handler)), "IN R1,5");
  EXPECT_EQ(text_of(OUT(p, R(1), 5, t.error_handler)), "OUT R1,5");
  EXPECT_EQ(text_of(NOP(p)), "NOP");
  EXPECT_EQ(text_of(RET(p)), "RET");
  EXPECT_EQ(text_of(RETI(p)), "RETI");
  EXPECT_EQ(text_of(INT(p)), "int");
  EXPECT_EQ(text_of(PMC(p, -7)), "#-7 (PMC)");
}

class BRANCH_TEXT : public TEXT {
 protected:
  // A branch placed at the given address, after that many NOPs.
  template <class T, class... OPERANDS>
  const ASM* place_at(int address, OPERANDS... operands) {
    while (m.rom.size() < address) m.rom.append(std::make_unique<NOP>(p));
    m.rom.append(std::make_unique<T>(p, operands...));
    return m.rom.fetch(address);
  }
};

TEST_F(BRANCH_TEXT, shows_the_offset_byte_and_the_target) {
  const ASM* rb1 = place_at<RB1>(0x10, 'Z', 5);
  while (m.rom.size() < 0x20) m.rom.append(std::make_unique<NOP>(p));
  EXPECT_EQ(text_of(*rb1), "RB1 #Z,#0x05 (jump at 0x0015)");
  m.configuration.set_pc_width(24);
  EXPECT_EQ(text_of(*rb1), "RB1 #Z,#0x05 (jump at 0x000015)");
}

TEST_F(BRANCH_TEXT, negative_and_long_offsets_print_their_low_byte) {
  const ASM* back = place_at<RJMP>(3, -1);
  EXPECT_EQ(text_of(*back), "RJMP #0xFF (jump at 0x0002)");
  const ASM* call = place_at<RCALL>(4, 300);
  EXPECT_EQ(text_of(*call), "RCALL #0x2C (jump at 0x00000130)");  // beyond the ROM: 8 digits
}

TEST_F(BRANCH_TEXT, a_target_before_address_zero_prints_32_bits) {
  const ASM* back = place_at<RB0>(1, 'N', -2);
  EXPECT_EQ(text_of(*back), "RB0 #N,#0xFE (jump at 0xFFFFFFFF)");
}

TEST_F(BRANCH_TEXT, a_label_branch_prints_the_label_target) {
  ASM_LABEL label("l", p);
  label.address = 1;
  const ASM* jump = place_at<RJMP>(2, &label);
  EXPECT_EQ(text_of(*jump), "RJMP #0xFF (jump at 0x0001)");
}
