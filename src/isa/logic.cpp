// Logical and single-bit instructions.
#include "isa/logic.h"

#include "isa/alu.h"
#include "isa/next_instruction.h"

namespace {
// Bit b of a sign-extended value; indexes past bit 31 read the sign.
bool value_bit(int32_t value, int32_t b) {
  if (b < 0) return false;
  return (value >> (b > 31 ? 31 : b)) & 1;
}

template <class CHANGE>
void change_bit(MACHINE& machine, REGISTER& r, int32_t b, CHANGE change) {
  machine.registers.set_bit(r, b, change(value_bit(r.value, b)));
  set_logic_flags(machine.status, r.value);
}
}  // namespace

void ASM_AND::execute(MACHINE& machine) {
  first_->value &= second_->value;
  set_logic_flags(machine.status, first_->value);
  next_instruction(machine, periods);
}

void ASM_OR::execute(MACHINE& machine) {
  first_->value |= second_->value;
  set_logic_flags(machine.status, first_->value);
  next_instruction(machine, periods);
}

void EOR::execute(MACHINE& machine) {
  first_->value = first_ == second_ ? 0 : first_->value ^ second_->value;
  set_logic_flags(machine.status, first_->value);
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
  r_->value = ~r_->value;  // stays sign-extended
  STATUS_REGISTER& status = machine.status;
  status.set_bit(S_R::C, true);
  status.set_bit(S_R::V, false);
  status.set_bit(S_R::N, r_->value < 0);
  status.set_bit(S_R::Z, r_->value == 0);
  status.update_s();
  next_instruction(machine, periods);
}

void BITCHG::execute(MACHINE& machine) {
  change_bit(machine, *r_, immediate_, [](bool bit) { return !bit; });
  next_instruction(machine, periods);
}

void BITCLR::execute(MACHINE& machine) {
  change_bit(machine, *r_, immediate_, [](bool) { return false; });
  next_instruction(machine, periods);
}

void BITSET::execute(MACHINE& machine) {
  change_bit(machine, *r_, immediate_, [](bool) { return true; });
  next_instruction(machine, periods);
}

// Z takes the bit's own value, so Z = 1 means the bit is set.
void BITST::execute(MACHINE& machine) {
  STATUS_REGISTER& status = machine.status;
  status.set_bit(S_R::Z, value_bit(r_->value, immediate_));
  for (int flag : {S_R::C, S_R::V, S_R::N, S_R::S}) status.set_bit(flag, false);
  next_instruction(machine, periods);
}
