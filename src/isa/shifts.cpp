// Shifts and rotations by one bit within the N-bit register.
#include "isa/shifts.h"

#include "isa/alu.h"
#include "isa/next_instruction.h"

namespace {
// Right shift of the N-bit pattern with fill as the new bit N-1.
int32_t shift_right(const REGISTER_POOL& registers, int32_t value, bool fill) {
  const int64_t u = registers.to_unsigned(value) >> 1;
  const int64_t top = fill ? int64_t{1} << (registers.data_size() - 1) : 0;
  return registers.to_signed(u | top);
}
}  // namespace

void ASR::execute(MACHINE& machine) {
  const bool carry = r_->value & 1;
  r_->value >>= 1;  // sign-extended, so the sign bit is kept
  set_shift_flags(machine.status, r_->value, carry);
  next_instruction(machine, periods);
}

void LSR::execute(MACHINE& machine) {
  const bool carry = r_->value & 1;
  r_->value = shift_right(machine.registers, r_->value, false);
  set_shift_flags(machine.status, r_->value, carry);
  next_instruction(machine, periods);
}

void LSL::execute(MACHINE& machine) {
  const bool carry = r_->value < 0;
  r_->value = machine.registers.to_signed(int64_t{r_->value} * 2);
  set_shift_flags(machine.status, r_->value, carry);
  next_instruction(machine, periods);
}

void ROL::execute(MACHINE& machine) {
  const bool carry = r_->value < 0;
  const int old_carry = machine.status.bit(S_R::C);
  r_->value = machine.registers.to_signed(int64_t{r_->value} * 2 + old_carry);
  set_shift_flags(machine.status, r_->value, carry);
  next_instruction(machine, periods);
}

void ROR::execute(MACHINE& machine) {
  const bool carry = r_->value & 1;
  r_->value = shift_right(machine.registers, r_->value, machine.status.bit(S_R::C));
  set_shift_flags(machine.status, r_->value, carry);
  next_instruction(machine, periods);
}
