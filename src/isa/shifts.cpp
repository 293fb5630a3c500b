// Shifts and rotations by one bit within the N-bit register, through their kernels.
#include "isa/shifts.h"

#include "isa/alu.h"
#include "isa/next_instruction.h"

void ASR::execute(MACHINE& machine) {
  r_->value = value_setting_flags(machine.status, kernel(r_->value));
  next_instruction(machine, periods);
}

void LSR::execute(MACHINE& machine) {
  r_->value = value_setting_flags(machine.status, kernel(r_->value, data_width(machine)));
  next_instruction(machine, periods);
}

void LSL::execute(MACHINE& machine) {
  r_->value = value_setting_flags(machine.status, kernel(r_->value, data_width(machine)));
  next_instruction(machine, periods);
}

void ROL::execute(MACHINE& machine) {
  const bool carry = machine.status.bit(S_R::C);
  r_->value = value_setting_flags(machine.status, kernel(r_->value, carry, data_width(machine)));
  next_instruction(machine, periods);
}

void ROR::execute(MACHINE& machine) {
  const bool carry = machine.status.bit(S_R::C);
  r_->value = value_setting_flags(machine.status, kernel(r_->value, carry, data_width(machine)));
  next_instruction(machine, periods);
}
