// Jumps, calls, branches (taken and untaken), returns and the software interrupt.
#include "isa/isa_fixture.h"

class JUMPS : public ISA_FIXTURE {
 protected:
  // A ROM of count NOPs, so return addresses up to count - 1 lie inside it.
  void fill_rom(int count) {
    for (int i = 0; i < count; ++i) m.rom.append(std::make_unique<NOP>(POSITION{}));
  }
  // Puts the instruction at the end of the ROM and runs it from there.
  void run_placed(std::unique_ptr<ASM> instruction) {
    m.program_counter.value = m.rom.size();
    m.rom.append(std::move(instruction));
    m.rom.execute_at(m.program_counter.value, m);
  }
};

TEST_F(JUMPS, IJMP_jumps_through_a_register_pair_in_4_periods) {
  R(2)->value = 0x34;
  R(3)->value = 0x12;
  run<IJMP>(R(2));
  EXPECT_EQ(m.program_counter.value, 0x1234);
  EXPECT_EQ(m.clock.periods(), 4);
  EXPECT_EQ(t.errors(), 0);
}

TEST_F(JUMPS, IJMP_out_of_range_keeps_the_new_value_and_reports) {
  data_size(16);
  m.configuration.set_pc_width(24);
  R(2)->value = 0;
  R(3)->value = 0x100;  // 2^24
  run<IJMP>(R(2));
  EXPECT_EQ(m.program_counter.value, int64_t{1} << 24);
  EXPECT_TRUE(t.reported("Program counter out of range."));
}

TEST_F(JUMPS, ICALL_pushes_the_next_address) {
  fill_rom(5);
  R(2)->value = 1;
  R(3)->value = 0;
  run_placed(std::make_unique<ICALL>(POSITION{}, R(2)));
  EXPECT_EQ(m.program_counter.value, 1);
  EXPECT_EQ(m.stack.entries[0], 6);
  EXPECT_EQ(m.clock.periods(), 4);
}

TEST_F(JUMPS, IB0_and_IB1_take_4_periods_when_taken_and_1_when_not) {
  R(2)->value = 40;
  R(3)->value = 0;
  m.status.set_flag('N', true);
  run<IB1>('N', R(2));
  EXPECT_EQ(m.program_counter.value, 40);
  EXPECT_EQ(m.clock.periods(), 4);
  run<IB0>('N', R(2));
  EXPECT_EQ(m.program_counter.value, 41);
  EXPECT_EQ(m.clock.periods(), 5);
  m.program_counter.value = 0;
  run<IB0>('C', R(2));
  EXPECT_EQ(m.program_counter.value, 40);
  run<IB1>('C', R(2));
  EXPECT_EQ(m.program_counter.value, 41);
  EXPECT_EQ(m.clock.periods(), 10);
}

TEST_F(JUMPS, RJMP_takes_4_periods_and_RCALL_2) {
  fill_rom(10);
  run_placed(std::make_unique<RJMP>(POSITION{}, -3));
  EXPECT_EQ(m.program_counter.value, 7);
  EXPECT_EQ(m.clock.periods(), 4);
  run_placed(std::make_unique<RCALL>(POSITION{}, -11));
  EXPECT_EQ(m.program_counter.value, 0);
  EXPECT_EQ(m.stack.entries[0], 12);
  EXPECT_EQ(m.clock.periods(), 6);
}

TEST_F(JUMPS, RB1_taken_takes_4_periods_and_untaken_1) {
  m.status.set_flag('Z', true);
  m.program_counter.value = 10;
  run<RB1>('Z', 5);
  EXPECT_EQ(m.program_counter.value, 15);
  EXPECT_EQ(m.clock.periods(), 4);
  run<RB0>('Z', 5);
  EXPECT_EQ(m.program_counter.value, 16);
  EXPECT_EQ(m.clock.periods(), 5);
  run<RB0>('S', -16);
  EXPECT_EQ(m.program_counter.value, 0);
  EXPECT_EQ(m.clock.periods(), 9);
}

TEST_F(JUMPS, a_label_branch_goes_to_the_label) {
  fill_rom(2);
  ASM_LABEL label("there", POSITION{});
  label.address = 7;
  run_placed(std::make_unique<RJMP>(POSITION{}, &label));
  EXPECT_EQ(m.program_counter.value, 7);
  auto* branch = static_cast<RJMP*>(m.rom.fetch(2));
  EXPECT_EQ(branch->offset(), 5);
}

TEST_F(JUMPS, RB0_reaches_63_words_ahead_but_not_64) {
  ASM_LABEL label("far", POSITION{});
  m.rom.append(std::make_unique<RB0>(POSITION{}, 'Z', &label));
  label.address = 63;
  m.rom.fetch(0)->check_placement(m);
  EXPECT_EQ(t.errors(), 0);
  label.address = 64;
  m.rom.fetch(0)->check_placement(m);
  EXPECT_EQ(t.errors(), 1);
  EXPECT_TRUE(t.reported("Relative branch too far."));
  label.address = -64;
  m.rom.fetch(0)->check_placement(m);
  EXPECT_EQ(t.errors(), 1);
}

TEST_F(JUMPS, RJMP_and_RCALL_reach_2047_ahead_and_2048_back) {
  RJMP ahead(POSITION{}, 2047), beyond(POSITION{}, 2048);
  RCALL back(POSITION{}, -2048), before(POSITION{}, -2049);
  ahead.check_placement(m);
  back.check_placement(m);
  EXPECT_EQ(t.errors(), 0);
  beyond.check_placement(m);
  before.check_placement(m);
  EXPECT_EQ(t.errors(), 2);
}

TEST_F(JUMPS, set_target_aims_at_an_address_and_drops_the_label) {
  fill_rom(4);
  ASM_LABEL label("old", POSITION{});
  label.address = 0;
  auto branch = std::make_unique<RB1>(POSITION{}, 'C', &label);
  RB1* rb1 = branch.get();
  m.rom.append(std::move(branch));
  rb1->set_target(1, m.rom);
  EXPECT_EQ(rb1->offset(), -3);
  EXPECT_EQ(rb1->label(), nullptr);
  m.rom.insert(0, std::make_unique<NOP>(POSITION{}));
  EXPECT_EQ(rb1->offset(), -3);  // a numeric offset does not follow moves
}

TEST_F(JUMPS, RET_returns_to_the_popped_address) {
  fill_rom(10);
  m.stack.push(6, {}, t.error_handler);
  run_placed(std::make_unique<RET>(POSITION{}));
  EXPECT_EQ(m.program_counter.value, 6);
  EXPECT_EQ(m.clock.periods(), 4);
  EXPECT_EQ(t.errors() + t.warnings(), 0);
}

TEST_F(JUMPS, RET_out_of_ROM_reports_and_stays) {
  fill_rom(3);
  m.stack.push(100, {}, t.error_handler);
  run_placed(std::make_unique<RET>(POSITION{}));
  EXPECT_EQ(m.program_counter.value, 3);
  EXPECT_TRUE(t.reported("100: RET out of ROM."));
  m.stack.push(-2, {}, t.error_handler);
  run_placed(std::make_unique<RETI>(POSITION{}));
  EXPECT_TRUE(t.reported("-2: RETI out of ROM."));
  EXPECT_EQ(t.errors(), 2);
}

TEST_F(JUMPS, RET_on_an_empty_stack_warns_and_returns_to_zero) {
  fill_rom(3);
  run_placed(std::make_unique<RET>(POSITION{}));
  EXPECT_TRUE(t.reported("Stack underflow (jump at 0x0000)."));
  EXPECT_EQ(m.program_counter.value, 0);
}

TEST_F(JUMPS, INT_pushes_clears_I_and_continues_at_3_and_RETI_sets_I) {
  fill_rom(10);
  m.status.reset();
  run_placed(std::make_unique<INT>(POSITION{}));
  EXPECT_EQ(m.program_counter.value, 3);
  EXPECT_EQ(m.stack.entries[0], 11);
  EXPECT_FALSE(m.status.flag('I'));
  EXPECT_EQ(m.clock.periods(), 1);
  fill_rom(2);
  run_placed(std::make_unique<RETI>(POSITION{}));
  EXPECT_EQ(m.program_counter.value, 11);
  EXPECT_TRUE(m.status.flag('I'));
  EXPECT_EQ(m.clock.periods(), 5);
}

TEST_F(JUMPS, calls_on_a_full_stack_report_overflow) {
  for (int i = 0; i < 4; ++i) m.stack.push(i, {}, t.error_handler);
  run<RCALL>(2);
  EXPECT_TRUE(t.reported("Stack overflow."));
  EXPECT_EQ(m.program_counter.value, 2);
  run<INT>();
  R(2)->value = 0;
  run<ICALL>(R(2));
  EXPECT_EQ(t.errors(), 3);
}

TEST_F(JUMPS, NOP_takes_one_period) {
  run<NOP>();
  EXPECT_EQ(m.program_counter.value, 1);
  EXPECT_EQ(m.clock.periods(), 1);
}

TEST_F(JUMPS, IEM_reports_its_register_without_a_clock_period) {
  R(3)->value = 5;
  run<IEM>(R(3));
  // The reporter wraps the long line after its last blank.
  EXPECT_TRUE(t.reported("Internal Error Message : R3  = 0x05 0b00000101 =\n5\n"));
  EXPECT_EQ(t.errors(), 1);
  EXPECT_EQ(m.program_counter.value, 1);
  EXPECT_EQ(m.clock.periods(), 0);
}

TEST_F(JUMPS, PMC_cannot_be_executed) {
  run<PMC>(12);
  EXPECT_TRUE(t.reported("Attempt to execute Program Constant Memory (PMC)."));
  EXPECT_TRUE(t.reported("This is not allowed on the simulator."));
  EXPECT_EQ(t.errors(), 1);
  EXPECT_EQ(m.program_counter.value, 1);
  EXPECT_EQ(m.clock.periods(), 1);
}
