// The fixed per-class properties the forwarding module relies on.
#include "isa/isa_fixture.h"

namespace {
struct EXPECTED {
  std::unique_ptr<ASM> instruction;
  int number;
  bool writes;
  bool reads;
};
}  // namespace

TEST_F(ISA_FIXTURE, every_class_has_its_number_and_status_use) {
  const POSITION p{};
  REGISTER *a = R(2), *b = R(3);
  ASM_LABEL label("l", p);
  EXPECTED table[] = {
      {std::make_unique<ADC>(p, a, b), 1, true, true},
      {std::make_unique<ADD>(p, a, b), 2, true, false},
      {std::make_unique<ADI>(p, a, 1), 3, true, false},
      {std::make_unique<ASM_AND>(p, a, b), 4, true, false},
      {std::make_unique<ASR>(p, a), 5, true, false},
      {std::make_unique<BITCHG>(p, a, 1), 6, true, false},
      {std::make_unique<BITCLR>(p, a, 1), 7, true, false},
      {std::make_unique<BITSET>(p, a, 1), 8, true, false},
      {std::make_unique<BITST>(p, a, 1), 9, true, false},
      {std::make_unique<CMP>(p, a, b), 10, true, false},
      {std::make_unique<CMPI>(p, a, 1), 11, true, false},
      {std::make_unique<COM>(p, a), 12, true, false},
      {std::make_unique<EOR>(p, a, b), 13, true, false},
      {std::make_unique<IB0>(p, 'Z', a), 14, false, true},
      {std::make_unique<IB1>(p, 'Z', a), 15, false, true},
      {std::make_unique<ICALL>(p, a), 16, false, false},
      {std::make_unique<IJMP>(p, a), 17, false, false},
      {std::make_unique<IN>(p, a, 1, t.error_handler), 18, false, false},
      {std::make_unique<INT>(p), 19, false, false},
      {std::make_unique<LD>(p, a, b), 20, false, false},
      {std::make_unique<LDIH>(p, a, 1), 21, false, false},
      {std::make_unique<LDIL>(p, a, 1), 22, false, false},
      {std::make_unique<LDX_INCREMENT>(p, a, b), 230, true, false},
      {std::make_unique<LDX_DECREMENT>(p, a, b), 231, true, false},
      {std::make_unique<LPM>(p, a, b), 24, false, false},
      {std::make_unique<LSL>(p, a), 25, true, false},
      {std::make_unique<LSR>(p, a), 26, true, false},
      {std::make_unique<NEG>(p, a), 27, true, false},
      {std::make_unique<NOP>(p), 28, false, false},
      {std::make_unique<ASM_OR>(p, a, b), 29, true, false},
      {std::make_unique<OUT>(p, a, 1, t.error_handler), 30, false, false},
      {std::make_unique<RB0>(p, 'C', &label), 31, false, true},
      {std::make_unique<RB1>(p, 'C', 1), 32, false, true},
      {std::make_unique<RCALL>(p, 1), 33, false, false},
      {std::make_unique<RET>(p), 34, false, false},
      {std::make_unique<RETI>(p), 35, true, false},
      {std::make_unique<RJMP>(p, &label), 36, false, false},
      {std::make_unique<ROL>(p, a), 37, true, true},
      {std::make_unique<ROR>(p, a), 38, true, true},
      {std::make_unique<ST>(p, a, b), 39, true, false},
      {std::make_unique<STX_INCREMENT>(p, a, b), 400, true, false},
      {std::make_unique<STX_DECREMENT>(p, a, b), 401, true, false},
      {std::make_unique<SUB>(p, a, b), 41, true, false},
      {std::make_unique<SUBC_Z>(p, a, b), 42, true, true},
      {std::make_unique<TFR>(p, a, b), 43, false, false},
      {std::make_unique<TFSR>(p, a), 44, false, true},
      {std::make_unique<TTSR>(p, a), 45, true, false},
      {std::make_unique<IEM>(p, a), 10000, false, false},
      {std::make_unique<PMC>(p, 1), 10000, false, false},
  };
  for (const EXPECTED& row : table) {
    const std::string name = text_of(*row.instruction);
    EXPECT_EQ(row.instruction->instruction_number(), row.number) << name;
    EXPECT_EQ(row.instruction->writes_status(), row.writes) << name;
    EXPECT_EQ(row.instruction->reads_status(), row.reads) << name;
  }
  EXPECT_EQ(t.errors(), 0);
}

TEST_F(ISA_FIXTURE, instructions_keep_their_source_position) {
  const POSITION here{nullptr, 4, 9};
  EXPECT_EQ(ADD(here, R(1), R(2)).position(), here);
  EXPECT_EQ(RJMP(here, 3).position(), here);
}

// Instructions that neither jump nor fail: each advances the program counter by one and the
// clock by its periods.
TEST_F(ISA_FIXTURE, every_straight_instruction_advances_by_its_clock_periods) {
  const POSITION p{};
  REGISTER *a = R(2), *b = R(4);
  m.ram.allocate(64);  // every address written: no warnings
  m.rom.append(std::make_unique<PMC>(p, 1));
  struct ROW {
    std::unique_ptr<ASM> instruction;
    int periods;
  } table[] = {
      {std::make_unique<ADC>(p, a, b), 1},
      {std::make_unique<ADD>(p, a, b), 1},
      {std::make_unique<ADI>(p, a, 1), 1},
      {std::make_unique<SUB>(p, a, b), 1},
      {std::make_unique<SUBC_Z>(p, a, b), 1},
      {std::make_unique<CMP>(p, a, b), 1},
      {std::make_unique<CMPI>(p, a, 1), 1},
      {std::make_unique<NEG>(p, a), 1},
      {std::make_unique<ASM_AND>(p, a, b), 1},
      {std::make_unique<ASM_OR>(p, a, b), 1},
      {std::make_unique<EOR>(p, a, b), 1},
      {std::make_unique<COM>(p, a), 1},
      {std::make_unique<BITCHG>(p, a, 1), 1},
      {std::make_unique<BITCLR>(p, a, 1), 1},
      {std::make_unique<BITSET>(p, a, 1), 1},
      {std::make_unique<BITST>(p, a, 1), 1},
      {std::make_unique<ASR>(p, a), 1},
      {std::make_unique<LSR>(p, a), 1},
      {std::make_unique<LSL>(p, a), 1},
      {std::make_unique<ROL>(p, a), 1},
      {std::make_unique<ROR>(p, a), 1},
      {std::make_unique<TFR>(p, a, b), 1},
      {std::make_unique<TFSR>(p, a), 1},
      {std::make_unique<TTSR>(p, a), 1},
      {std::make_unique<LDIL>(p, a, 1), 1},
      {std::make_unique<LDIH>(p, a, 1), 1},
      {std::make_unique<LD>(p, a, b), 1},
      {std::make_unique<ST>(p, a, b), 1},
      {std::make_unique<LDX_INCREMENT>(p, a, b), 1},
      {std::make_unique<LDX_DECREMENT>(p, a, b), 1},
      {std::make_unique<STX_INCREMENT>(p, a, b), 1},
      {std::make_unique<STX_DECREMENT>(p, a, b), 1},
      {std::make_unique<IN>(p, a, 1, t.error_handler), 1},
      {std::make_unique<OUT>(p, a, 1, t.error_handler), 1},
      {std::make_unique<LPM>(p, a, b), 4},
      {std::make_unique<NOP>(p), 1},
  };
  for (const ROW& row : table) {
    a->value = 1;
    b->value = 5;
    m.program_counter.value = 7;
    const int64_t before = m.clock.periods();
    row.instruction->execute(m);
    const std::string name = text_of(*row.instruction);
    EXPECT_EQ(m.program_counter.value, 8) << name;
    EXPECT_EQ(m.clock.periods() - before, row.periods) << name;
  }
  EXPECT_EQ(t.errors() + t.warnings(), 0);
}
