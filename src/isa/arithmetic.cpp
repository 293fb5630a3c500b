// Additions and subtractions in N bits, through their kernels.
#include "isa/arithmetic.h"

#include "isa/alu.h"
#include "isa/next_instruction.h"

void ADD::execute(MACHINE& machine) {
  const ALU_RESULT r = kernel(first_->value, second_->value, data_width(machine));
  first_->value = value_setting_flags(machine.status, r);
  next_instruction(machine, periods);
}

void ADC::execute(MACHINE& machine) {
  const bool carry = machine.status.bit(S_R::C);
  const ALU_RESULT r = kernel(first_->value, second_->value, carry, data_width(machine));
  first_->value = value_setting_flags(machine.status, r);
  next_instruction(machine, periods);
}

void ADI::execute(MACHINE& machine) {
  r_->value =
      value_setting_flags(machine.status, kernel(r_->value, immediate_, data_width(machine)));
  next_instruction(machine, periods);
}

void SUB::execute(MACHINE& machine) {
  const ALU_RESULT r = kernel(first_->value, second_->value, data_width(machine));
  first_->value = value_setting_flags(machine.status, r);
  next_instruction(machine, periods);
}

void SUBC_Z::execute(MACHINE& machine) {
  const STATUS_REGISTER& status = machine.status;
  const ALU_RESULT r = kernel(first_->value, second_->value, status.bit(S_R::C), status.bit(S_R::Z),
                              data_width(machine));
  first_->value = value_setting_flags(machine.status, r);
  next_instruction(machine, periods);
}

void CMP::execute(MACHINE& machine) {
  set_flags(machine.status, kernel(first_->value, second_->value, data_width(machine)).flags);
  next_instruction(machine, periods);
}

void CMPI::execute(MACHINE& machine) {
  set_flags(machine.status, kernel(r_->value, immediate_, data_width(machine)).flags);
  next_instruction(machine, periods);
}

void NEG::execute(MACHINE& machine) {
  r_->value = value_setting_flags(machine.status, kernel(r_->value, data_width(machine)));
  next_instruction(machine, periods);
}
