// A small constant: written into ADI and CMPI where it fits their 7-bit field, otherwise
// loaded into a scratch register with the constant-load sequence.
#include "codegen/media/immediate_sm.h"

#include "codegen/codegen.h"
#include "codegen/media/machine_sequences.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/scratch.h"
#include "isa/instructions.h"

void IMMEDIATE_SM::compare(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.compare_immediate_with(g, value);
}

void IMMEDIATE_SM::compare_constant(CODEGEN& g, int32_t n) {
  SCRATCH use(g);
  REGISTER& t = use.take();
  constant_load(g, t, value);
  compare_immediate(g, t, n);
}

void IMMEDIATE_SM::to_status_register(CODEGEN& g) {
  SCRATCH use(g);
  REGISTER& t = use.take();
  constant_load(g, t, value);
  g.code.emit<TTSR>(&t);
}

void IMMEDIATE_SM::add_to_address_register(CODEGEN& g, REGISTER& low) {
  add_immediate(g, low, value);
  carry_step(g, low);
}

std::string IMMEDIATE_SM::print_kind(const MACHINE&) const {
  return "immediate";
}

std::string IMMEDIATE_SM::print_value(const MACHINE&) const {
  return std::to_string(value) + " (in immediate)";
}

void IMMEDIATE_SM::load_into_register(CODEGEN& g, REGISTER& target) {
  constant_load(g, target, value);
}

void IMMEDIATE_SM::add_to_register(CODEGEN& g, REGISTER& target) {
  add_immediate(g, target, value);
}

void IMMEDIATE_SM::add_to_ram(CODEGEN& g, RAM_SM& target) {
  SCRATCH use(g);
  REGISTER& t = use.take();
  load_from_ram(g, target.address, t);
  add_immediate(g, t, value);
  store_to_ram(g, t, target.address);
}

// 1 to 64 is an ADI of the opposite; 0 subtracts nothing.
void IMMEDIATE_SM::subtract_from_register(CODEGEN& g, REGISTER& target) {
  if (value == 0) return;
  if (value >= 1 && value <= 64) {
    g.code.emit<ADI>(&target, -value);
    return;
  }
  STORAGE_MEDIUM::subtract_from_register(g, target);
}

// AND with 0 clears the register.
void IMMEDIATE_SM::and_to_register(CODEGEN& g, REGISTER& target) {
  if (value == 0)
    g.code.emit<EOR>(&target, &target);
  else
    STORAGE_MEDIUM::and_to_register(g, target);
}

// OR with 0 leaves the register as it is.
void IMMEDIATE_SM::or_to_register(CODEGEN& g, REGISTER& target) {
  if (value != 0) STORAGE_MEDIUM::or_to_register(g, target);
}

void IMMEDIATE_SM::compare_register_with(CODEGEN& g, REGISTER& target) {
  compare_immediate(g, target, value);
}

void IMMEDIATE_SM::compare_ram_with(CODEGEN& g, RAM_SM& target) {
  if (!fits_immediate_field(value)) {
    STORAGE_MEDIUM::compare_ram_with(g, target);
    return;
  }
  SCRATCH use(g);
  REGISTER& t = use.take();
  load_from_ram(g, target.address, t);
  g.code.emit<CMPI>(&t, value);
}

void IMMEDIATE_SM::compare_immediate_with(CODEGEN& g, int32_t immediate) {
  if (!fits_immediate_field(value)) {
    STORAGE_MEDIUM::compare_immediate_with(g, immediate);
    return;
  }
  SCRATCH use(g);
  REGISTER& t = use.take();
  constant_load(g, t, immediate);
  g.code.emit<CMPI>(&t, value);
}

void IMMEDIATE_SM::store_through_register(CODEGEN& g, REGISTER& pointer) {
  SCRATCH use(g);
  REGISTER& r2 = g.roles.ram_access();
  ram_address(g, 0);
  g.code.emit<TFR>(&r2, &pointer);
  REGISTER& t = use.take();
  constant_load(g, t, value);
  g.code.emit<ST>(&t, &r2);
}

void IMMEDIATE_SM::store_through_ram(CODEGEN& g, RAM_SM& pointer) {
  SCRATCH use(g);
  REGISTER& r2 = g.roles.ram_access();
  load_from_ram(g, pointer.address, r2);
  if (g.wide_ram()) constant_load(g, g.roles.ram_access_high(), 0);
  REGISTER& t = use.take();
  constant_load(g, t, value);
  g.code.emit<ST>(&t, &r2);
}

REGISTER& IMMEDIATE_SM::fetch(CODEGEN& g, SCRATCH& use) {
  REGISTER& t = use.take();
  constant_load(g, t, value);
  return t;
}
