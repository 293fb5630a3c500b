#include "forwarding/hazards.h"

#include <gtest/gtest.h>

#include <memory>

#include "isa/instructions.h"
#include "support/test_context.h"
#include "support/wrapper_stub.h"

namespace {

struct HAZARDS : ::testing::Test {
  TEST_CONTEXT t;
  MACHINE& machine = t.context.machine;
  PROCESSOR_PARAMETERS& parameters = machine.parameters;

  REGISTER* R(int n) { return machine.registers.get(n); }
  bool waits(const ASM& current, const ASM& earlier) {
    return depends_on(current, earlier, parameters);
  }
  std::unique_ptr<OUT> out(int r, int port) {
    return std::make_unique<OUT>(POSITION{}, R(r), port, t.context.error_handler);
  }
};

void expect_operands(const ASM& instruction, int a, int b) {
  const REGISTER_OPERANDS r = register_operands(instruction);
  EXPECT_EQ(r.a, a);
  EXPECT_EQ(r.b, b);
}

}  // namespace

TEST_F(HAZARDS, operands_are_the_written_registers_in_order) {
  expect_operands(ADD({}, R(1), R(2)), 1, 2);
  expect_operands(LDX_INCREMENT({}, R(3), R(4)), 3, 4);
  expect_operands(LPM({}, R(5), R(6)), 5, 6);
  expect_operands(ADI({}, R(7), 3), 7, NO_REGISTER);
  expect_operands(IB0({}, 'Z', R(4)), 4, NO_REGISTER);
  expect_operands(IJMP({}, R(2)), 2, NO_REGISTER);
}

TEST_F(HAZARDS, stores_name_the_address_register_a_and_the_stored_register_b) {
  expect_operands(ST({}, R(1), R(2)), 2, 1);
  expect_operands(STX_INCREMENT({}, R(3), R(4)), 4, 3);
  expect_operands(STX_DECREMENT({}, R(5), R(6)), 6, 5);
}

TEST_F(HAZARDS, absent_operands_are_no_register) {
  expect_operands(TTSR({}, R(5)), NO_REGISTER, 5);
  expect_operands(*out(3, 5), 3, NO_REGISTER);
  expect_operands(PMC({}, 7), NO_REGISTER, NO_REGISTER);
  expect_operands(NOP(POSITION{}), NO_REGISTER, NO_REGISTER);
  expect_operands(RJMP({}, 3), NO_REGISTER, NO_REGISTER);
}

TEST_F(HAZARDS, operands_are_read_through_a_breakpoint) {
  ST store({}, R(1), R(2));
  WRAPPER_STUB wrapper(&store);
  expect_operands(wrapper, 2, 1);
  EXPECT_EQ(&unwrapped(wrapper), &store);
  EXPECT_EQ(&unwrapped(store), &store);
}

TEST_F(HAZARDS, a_register_written_then_read_is_a_dependence) {
  ADD add({}, R(1), R(2));
  EXPECT_TRUE(waits(SUB({}, R(3), R(1)), add));
  EXPECT_TRUE(waits(SUB({}, R(1), R(3)), add));
  EXPECT_FALSE(waits(SUB({}, R(3), R(4)), add));
  EXPECT_FALSE(waits(SUB({}, R(2), R(3)), add));  // ADD reads R2 but does not write it
  EXPECT_TRUE(waits(*out(1, 5), add));
  EXPECT_TRUE(waits(ROL({}, R(1)), add));  // also through the carry
  EXPECT_TRUE(waits(ASR({}, R(1)), add));
  EXPECT_FALSE(waits(ASR({}, R(2)), add));
}

TEST_F(HAZARDS, flags_written_then_read_are_a_dependence) {
  EXPECT_TRUE(waits(ADC({}, R(5), R(6)), ADD({}, R(1), R(2))));
  EXPECT_TRUE(waits(IB0({}, 'Z', R(4)), CMP({}, R(1), R(2))));
  EXPECT_TRUE(waits(TFSR({}, R(7)), CMPI({}, R(1), 3)));
  EXPECT_TRUE(waits(SUBC_Z({}, R(5), R(6)), ST({}, R(1), R(2))));
  EXPECT_TRUE(waits(ROR({}, R(5)), RETI(POSITION{})));
  EXPECT_TRUE(waits(ADC({}, R(5), R(6)), TTSR({}, R(1))));
  EXPECT_FALSE(waits(ADC({}, R(5), R(6)), TFR({}, R(1), R(2))));
  EXPECT_FALSE(waits(ADD({}, R(5), R(6)), ADD({}, R(1), R(2))));  // ADD does not read flags
}

TEST_F(HAZARDS, relative_branches_and_other_unchecked_instructions_never_wait) {
  CMP compare({}, R(1), R(2));
  EXPECT_FALSE(waits(RB1({}, 'Z', 3), compare));
  EXPECT_FALSE(waits(RB0({}, 'C', 3), compare));
  EXPECT_FALSE(waits(RJMP({}, 3), ADD({}, R(1), R(2))));
  EXPECT_FALSE(waits(NOP(POSITION{}), ADD({}, R(1), R(2))));
  EXPECT_FALSE(waits(RET(POSITION{}), ADD({}, R(1), R(2))));
  EXPECT_FALSE(waits(IEM({}, R(1)), ADD({}, R(1), R(2))));
}

TEST_F(HAZARDS, comparisons_branches_and_ports_write_no_register) {
  EXPECT_FALSE(waits(ADD({}, R(2), R(1)), CMP({}, R(1), R(3))));
  EXPECT_FALSE(waits(ADD({}, R(2), R(1)), CMPI({}, R(1), 3)));
  EXPECT_FALSE(waits(ADD({}, R(2), R(1)), BITST({}, R(1), 3)));
  EXPECT_FALSE(waits(ADD({}, R(2), R(4)), IB1({}, 'Z', R(4))));
  EXPECT_FALSE(waits(ADD({}, R(2), R(3)), *out(3, 5)));  // OUT has no B to write
  EXPECT_FALSE(waits(ADD({}, R(2), R(5)), TTSR({}, R(5))));
  EXPECT_FALSE(waits(ADD({}, R(2), R(1)), PMC({}, 1)));
  EXPECT_TRUE(waits(ADD({}, R(2), R(1)), IEM({}, R(1))));  // not on the list of non-writers
}

TEST_F(HAZARDS, lpm_writes_the_next_register_only_with_narrow_registers) {
  LPM load({}, R(2), R(4));
  parameters.data_size = 8;
  EXPECT_TRUE(waits(ADD({}, R(5), R(3)), load));
  EXPECT_TRUE(waits(ADD({}, R(5), R(2)), load));
  EXPECT_FALSE(waits(ADD({}, R(5), R(4)), load));
  parameters.data_size = 16;
  EXPECT_FALSE(waits(ADD({}, R(5), R(3)), load));
  EXPECT_TRUE(waits(ADD({}, R(5), R(2)), load));
}

TEST_F(HAZARDS, ldx_writes_both_registers_and_the_next_address_register_with_wide_ram) {
  LDX_INCREMENT load({}, R(1), R(2));
  parameters.ram_address_width = 6;
  EXPECT_TRUE(waits(ADD({}, R(5), R(1)), load));
  EXPECT_TRUE(waits(ADD({}, R(5), R(2)), load));
  EXPECT_FALSE(waits(ADD({}, R(5), R(3)), load));
  parameters.ram_address_width = 10;
  EXPECT_TRUE(waits(ADD({}, R(5), R(3)), load));
  EXPECT_TRUE(waits(ADD({}, R(5), R(3)), LDX_DECREMENT({}, R(1), R(2))));
}

TEST_F(HAZARDS, stores_write_by_their_swapped_operands) {
  parameters.ram_address_width = 10;
  ST store({}, R(1), R(2));  // A is R2, B is R1
  EXPECT_TRUE(waits(ADD({}, R(5), R(2)), store));
  EXPECT_FALSE(waits(ADD({}, R(5), R(1)), store));
  STX_INCREMENT indexed({}, R(1), R(2));  // A is R2, B is R1, B + 1 is R2
  EXPECT_TRUE(waits(ADD({}, R(5), R(1)), indexed));
  EXPECT_TRUE(waits(ADD({}, R(5), R(2)), indexed));
  EXPECT_FALSE(waits(ADD({}, R(5), R(3)), indexed));
}

TEST_F(HAZARDS, stores_read_both_their_registers) {
  ST store({}, R(1), R(2));
  EXPECT_TRUE(waits(store, TFR({}, R(1), R(3))));
  EXPECT_TRUE(waits(store, TFR({}, R(2), R(3))));
  EXPECT_FALSE(waits(store, TFR({}, R(3), R(1))));
}

TEST_F(HAZARDS, indexed_accesses_check_b_against_the_earlier_a_and_both_against_the_rest) {
  LDX_INCREMENT load({}, R(1), R(2));  // A is R1, B is R2
  parameters.ram_address_width = 6;
  EXPECT_TRUE(waits(load, TFR({}, R(2), R(4))));
  EXPECT_FALSE(waits(load, TFR({}, R(1), R(4))));
  EXPECT_FALSE(waits(load, TFR({}, R(3), R(4))));
  EXPECT_TRUE(waits(load, LDX_INCREMENT({}, R(4), R(1))));  // its B written back
  parameters.ram_address_width = 10;
  EXPECT_TRUE(waits(load, TFR({}, R(3), R(4))));            // B + 1 against the earlier A
  EXPECT_TRUE(waits(load, LDX_INCREMENT({}, R(4), R(0))));  // R1 is that one's B + 1
  STX_INCREMENT store({}, R(1), R(2));                      // A is R2, B is R1
  EXPECT_TRUE(waits(store, TFR({}, R(2), R(4))));           // B + 1
  parameters.ram_address_width = 6;
  EXPECT_TRUE(waits(store, TFR({}, R(1), R(4))));
  EXPECT_FALSE(waits(store, TFR({}, R(2), R(4))));  // the address register only against B's rules
}

TEST_F(HAZARDS, indirect_jumps_check_their_pair_with_wide_ram) {
  IJMP jump({}, R(2));
  parameters.ram_address_width = 6;
  EXPECT_TRUE(waits(jump, TFR({}, R(2), R(1))));
  EXPECT_FALSE(waits(jump, TFR({}, R(3), R(1))));
  parameters.ram_address_width = 10;
  EXPECT_TRUE(waits(jump, TFR({}, R(3), R(1))));
  EXPECT_TRUE(waits(ICALL({}, R(2)), TFR({}, R(3), R(1))));
  // The register after A is compared with the earlier A only: R3 is here that LDX's B.
  EXPECT_FALSE(waits(jump, LDX_INCREMENT({}, R(5), R(3))));
  EXPECT_TRUE(waits(jump, LDX_INCREMENT({}, R(5), R(1))));  // R2 is its B + 1
}

TEST_F(HAZARDS, immediate_loads_ports_and_status_reads_wait_only_for_next_registers) {
  parameters.data_size = 8;
  EXPECT_FALSE(waits(LDIL({}, R(1), 5), TFR({}, R(1), R(2))));
  EXPECT_FALSE(waits(LDIH({}, R(1), 5), LPM({}, R(1), R(4))));
  EXPECT_TRUE(waits(LDIH({}, R(1), 5), LPM({}, R(0), R(4))));
  EXPECT_FALSE(waits(TFSR({}, R(1)), TFR({}, R(1), R(2))));
  EXPECT_TRUE(waits(TFSR({}, R(1)), LPM({}, R(0), R(4))));
  parameters.ram_address_width = 10;
  EXPECT_TRUE(waits(IN({}, R(2), 5, t.context.error_handler), LDX_INCREMENT({}, R(0), R(1))));
  EXPECT_FALSE(waits(IN({}, R(0), 5, t.context.error_handler), LDX_INCREMENT({}, R(0), R(1))));
}

TEST_F(HAZARDS, ttsr_reads_its_only_register) {
  TTSR to_status({}, R(5));
  EXPECT_TRUE(waits(to_status, TFR({}, R(5), R(1))));
  EXPECT_FALSE(waits(to_status, TFR({}, R(6), R(5))));
}

TEST_F(HAZARDS, dependence_is_decided_on_the_instructions_under_breakpoints) {
  ADD add({}, R(1), R(2));
  SUB sub({}, R(3), R(1));
  RB1 branch({}, 'Z', 2);
  WRAPPER_STUB wrapped_add(&add), wrapped_sub(&sub), wrapped_branch(&branch);
  EXPECT_TRUE(waits(wrapped_sub, wrapped_add));
  EXPECT_TRUE(waits(wrapped_sub, add));
  EXPECT_TRUE(waits(ADC({}, R(4), R(5)), wrapped_add));
  EXPECT_FALSE(waits(wrapped_branch, wrapped_add));
  EXPECT_FALSE(waits(ADD({}, R(2), R(1)), wrapped_branch));
}
