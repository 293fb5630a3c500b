// Additions and subtractions in N bits; the 64-bit intermediate never overflows.
#include "isa/arithmetic.h"

#include "isa/alu.h"
#include "isa/next_instruction.h"

namespace {
int32_t fit(const MACHINE& machine, int64_t v) { return sign_extend(v, machine.parameters.data_size); }

void add(MACHINE& machine, REGISTER& rd, int32_t b, int carry) {
  const int32_t a = rd.value;
  rd.value = fit(machine, int64_t{a} + b + carry);
  set_add_flags(machine.status, a, b, rd.value);
}

int32_t subtract(MACHINE& machine, int32_t a, int32_t b, int borrow) {
  const int32_t r = fit(machine, int64_t{a} - b - borrow);
  set_subtract_flags(machine.status, a, b, r);
  return r;
}
}  // namespace

void ADD::execute(MACHINE& machine) {
  add(machine, *first_, second_->value, 0);
  next_instruction(machine, periods);
}

void ADC::execute(MACHINE& machine) {
  add(machine, *first_, second_->value, machine.status.bit(S_R::C));
  next_instruction(machine, periods);
}

void ADI::execute(MACHINE& machine) {
  add(machine, *r_, immediate_, 0);
  next_instruction(machine, periods);
}

void SUB::execute(MACHINE& machine) {
  first_->value = subtract(machine, first_->value, second_->value, 0);
  next_instruction(machine, periods);
}

// Z accumulates over a chain of SUBC, so a multi-word result is zero only if every word is.
void SUBC_Z::execute(MACHINE& machine) {
  const bool old_z = machine.status.bit(S_R::Z);
  first_->value = subtract(machine, first_->value, second_->value, machine.status.bit(S_R::C));
  machine.status.set_bit(S_R::Z, old_z && first_->value == 0);
  next_instruction(machine, periods);
}

void CMP::execute(MACHINE& machine) {
  subtract(machine, first_->value, second_->value, 0);
  next_instruction(machine, periods);
}

void CMPI::execute(MACHINE& machine) {
  subtract(machine, r_->value, immediate_, 0);
  next_instruction(machine, periods);
}

// The most negative value has no positive counterpart in N bits and stays as it is.
void NEG::execute(MACHINE& machine) {
  const int32_t most_negative = int_min(machine.parameters.data_size);
  if (r_->value != most_negative) r_->value = -r_->value;
  const int32_t r = r_->value;
  STATUS_REGISTER& status = machine.status;
  status.set_bit(S_R::Z, r == 0);
  status.set_bit(S_R::C, r == 0);
  status.set_bit(S_R::N, r < 0);
  status.set_bit(S_R::V, r == most_negative);
  status.update_s();
  next_instruction(machine, periods);
}
