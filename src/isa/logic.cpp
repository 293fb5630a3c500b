// Logical and single-bit instructions, through their kernels.
#include "isa/logic.h"

#include "isa/alu.h"
#include "isa/next_instruction.h"

void ASM_AND::execute(MACHINE& machine) {
  first_->value = value_setting_flags(machine.status, kernel(first_->value, second_->value));
  next_instruction(machine, periods);
}

void ASM_OR::execute(MACHINE& machine) {
  first_->value = value_setting_flags(machine.status, kernel(first_->value, second_->value));
  next_instruction(machine, periods);
}

void EOR::execute(MACHINE& machine) {
  first_->value = value_setting_flags(machine.status, kernel(first_->value, second_->value));
  next_instruction(machine, periods);
}

void EOR::append_text(std::string& text, const MACHINE& machine) const {
  if (first_ != second_) {
    ASM_RR::append_text(text, machine);
    return;
  }
  text += "CLR R";
  text += std::to_string(first_->number);
  text += " (";
  ASM_RR::append_text(text, machine);
  text += ')';
}

void COM::execute(MACHINE& machine) {
  r_->value = value_setting_flags(machine.status, kernel(r_->value));
  next_instruction(machine, periods);
}

void BITCHG::execute(MACHINE& machine) {
  const ALU_RESULT r = kernel(r_->value, immediate_, data_width(machine));
  r_->value = value_setting_flags(machine.status, r);
  next_instruction(machine, periods);
}

void BITCLR::execute(MACHINE& machine) {
  const ALU_RESULT r = kernel(r_->value, immediate_, data_width(machine));
  r_->value = value_setting_flags(machine.status, r);
  next_instruction(machine, periods);
}

void BITSET::execute(MACHINE& machine) {
  const ALU_RESULT r = kernel(r_->value, immediate_, data_width(machine));
  r_->value = value_setting_flags(machine.status, r);
  next_instruction(machine, periods);
}

void BITST::execute(MACHINE& machine) {
  set_flags(machine.status, kernel(r_->value, immediate_).flags);
  next_instruction(machine, periods);
}
