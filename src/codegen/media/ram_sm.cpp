// A RAM word as a target: each operation goes to the source with this word; the operations on
// the word alone read it into a scratch register, work there and write it back.
#include "codegen/media/ram_sm.h"

#include "codegen/codegen.h"
#include "codegen/media/machine_sequences.h"
#include "codegen/media/scratch.h"
#include "isa/instructions.h"
#include "machine/machine.h"

template <class OPERATION>
void RAM_SM::modify_in_place(CODEGEN& g, OPERATION operation) {
  SCRATCH use(g);
  REGISTER& t = use.take();
  load_from_ram(g, address, t);
  operation(t);
  store_to_ram(g, t, address);
}

void RAM_SM::assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  if (&source != this) source.store_into_ram(g, *this);
}
void RAM_SM::add_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.add_to_ram(g, *this);
}
void RAM_SM::subtract_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.subtract_from_ram(g, *this);
}
void RAM_SM::and_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.and_to_ram(g, *this);
}
void RAM_SM::or_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.or_to_ram(g, *this);
}
// x ^ x is 0 whatever x holds.
void RAM_SM::xor_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  if (&source == this)
    load_constant(g, 0);
  else
    source.xor_to_ram(g, *this);
}
void RAM_SM::compare(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.compare_ram_with(g, *this);
}
void RAM_SM::store_indirect(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.store_through_ram(g, *this);
}
// The word is loaded into a scratch register through the pointer, then stored here.
void RAM_SM::assign_dereferenced(CODEGEN& g, STORAGE_MEDIUM& source) {
  SCRATCH use(g);
  REGISTER& s = use.take();
  source.load_through_register(g, s);
  store_to_ram(g, s, address);
}

void RAM_SM::load_constant(CODEGEN& g, int32_t n) {
  SCRATCH use(g);
  REGISTER& t = use.take();
  constant_load(g, t, n);
  store_to_ram(g, t, address);
}
void RAM_SM::add_constant(CODEGEN& g, int32_t n) {
  modify_in_place(g, [&](REGISTER& t) { add_immediate(g, t, n); });
}
void RAM_SM::compare_constant(CODEGEN& g, int32_t n) {
  SCRATCH use(g);
  REGISTER& t = use.take();
  load_from_ram(g, address, t);
  compare_immediate(g, t, n);
}
void RAM_SM::shift_left(CODEGEN& g, int n) {
  modify_in_place(g, [&](REGISTER& t) {
    for (int k = 0; k < n; ++k) g.code.emit<LSL>(&t);
  });
}
void RAM_SM::shift_right(CODEGEN& g, int n) {
  modify_in_place(g, [&](REGISTER& t) {
    for (int k = 0; k < n; ++k) g.code.emit<LSR>(&t);
  });
}

// The carry rotated in is the one from before the call, and the one rotated out stays after
// it: where the address sequence would clear R3 with EOR, the status register is kept aside.
void RAM_SM::rotate_left(CODEGEN& g) {
  SCRATCH use(g);
  REGISTER& t = use.take();
  const bool keep_flags = ram_address_changes_flags(g, address);
  REGISTER* flags = keep_flags ? &use.take() : nullptr;
  if (keep_flags) g.code.emit<TFSR>(flags);
  load_from_ram(g, address, t);
  if (keep_flags) g.code.emit<TTSR>(flags);
  g.code.emit<ROL>(&t);
  if (keep_flags) g.code.emit<TFSR>(flags);
  store_to_ram(g, t, address);
  if (keep_flags) g.code.emit<TTSR>(flags);
}

void RAM_SM::negate(CODEGEN& g) {
  modify_in_place(g, [&](REGISTER& t) { g.code.emit<NEG>(&t); });
}
void RAM_SM::to_status_register(CODEGEN& g) {
  SCRATCH use(g);
  REGISTER& t = use.take();
  load_from_ram(g, address, t);
  g.code.emit<TTSR>(&t);
}

// The access registers are set aside, the word is fetched through them, then added.
void RAM_SM::add_to_address_register(CODEGEN& g, REGISTER& low) {
  SCRATCH use(g);
  REGISTER& saved_low = use.take();
  g.code.emit<TFR>(&saved_low, &low);
  REGISTER* saved_high = nullptr;
  REGISTER& high = g.roles.at(low.number + 1);
  if (g.wide_ram()) {
    saved_high = &use.take();
    g.code.emit<TFR>(saved_high, &high);
  }
  ram_address(g, address);
  g.code.emit<LD>(&low, &low);
  if (saved_high != nullptr) g.code.emit<TFR>(&high, saved_high);
  g.code.emit<ADD>(&low, &saved_low);
  carry_step(g, low);
}

void RAM_SM::release(CODEGEN& g) {
  if (is_temporary) g.sm.release_temporary(*this);
}

std::string RAM_SM::print_kind(const MACHINE& machine) const {
  std::string text = "RAM ";
  machine.ram.append_address(text, address);
  return text;
}

std::string RAM_SM::print_value(const MACHINE& machine) const {
  return std::to_string(machine.ram.word(address)) + " (in " + print_kind(machine) + ")";
}

// I into t first, then the word into u.
void RAM_SM::compare_immediate_with(CODEGEN& g, int32_t immediate) {
  SCRATCH use(g);
  REGISTER& t = use.take();
  constant_load(g, t, immediate);
  REGISTER& u = use.take();
  load_from_ram(g, address, u);
  g.code.emit<CMP>(&t, &u);
}

void RAM_SM::load_through_register(CODEGEN& g, REGISTER& target) {
  SCRATCH use(g);
  REGISTER& r2 = g.roles.ram_access();
  load_from_ram(g, address, r2);
  if (g.wide_ram()) constant_load(g, g.roles.ram_access_high(), 0);
  REGISTER& t = use.take();
  g.code.emit<LD>(&t, &r2);
  g.code.emit<TFR>(&target, &t);
}

REGISTER& RAM_SM::fetch(CODEGEN& g, SCRATCH& use) {
  REGISTER& t = use.take();
  load_from_ram(g, address, t);
  return t;
}
