// A register target sends each operation to its source with itself as the fixed register;
// the operations on itself alone are single instructions.
#include "codegen/media/register_sm.h"

#include "codegen/codegen.h"
#include "codegen/media/machine_sequences.h"
#include "isa/instructions.h"
#include "machine/machine.h"

void REGISTER_SM::assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.load_into_register(g, r);
}
void REGISTER_SM::add_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.add_to_register(g, r);
}
void REGISTER_SM::subtract_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.subtract_from_register(g, r);
}
void REGISTER_SM::and_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.and_to_register(g, r);
}
void REGISTER_SM::or_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.or_to_register(g, r);
}
void REGISTER_SM::xor_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.xor_to_register(g, r);
}
void REGISTER_SM::compare(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.compare_register_with(g, r);
}
void REGISTER_SM::store_indirect(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.store_through_register(g, r);
}
void REGISTER_SM::assign_dereferenced(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.load_through_register(g, r);
}

void REGISTER_SM::load_constant(CODEGEN& g, int32_t n) {
  constant_load(g, r, n);
}
void REGISTER_SM::add_constant(CODEGEN& g, int32_t n) {
  add_immediate(g, r, n);
}
void REGISTER_SM::compare_constant(CODEGEN& g, int32_t n) {
  compare_immediate(g, r, n);
}
void REGISTER_SM::shift_left(CODEGEN& g, int n) {
  for (int k = 0; k < n; ++k) g.code.emit<LSL>(&r);
}
void REGISTER_SM::shift_right(CODEGEN& g, int n) {
  for (int k = 0; k < n; ++k) g.code.emit<LSR>(&r);
}
void REGISTER_SM::rotate_left(CODEGEN& g) {
  g.code.emit<ROL>(&r);
}
void REGISTER_SM::negate(CODEGEN& g) {
  g.code.emit<NEG>(&r);
}
void REGISTER_SM::to_status_register(CODEGEN& g) {
  g.code.emit<TTSR>(&r);
}
void REGISTER_SM::add_to_address_register(CODEGEN& g, REGISTER& low) {
  g.code.emit<ADD>(&low, &r);
  carry_step(g, low);
}

void REGISTER_SM::release(CODEGEN& g) {
  if (is_temporary && !free) g.sm.release_temporary(*this);
}

std::string REGISTER_SM::print_kind(const MACHINE&) const {
  return "R" + std::to_string(r.number);
}

std::string REGISTER_SM::print_value(const MACHINE& machine) const {
  return std::to_string(machine.registers.at(r.number).value) + " (in " + print_kind(machine) + ")";
}
