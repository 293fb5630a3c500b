// The generic forms of the secondary operations: the source is fetched into a register (its
// own, or a scratch one loaded from RAM, ROM, an element or a constant), then the register
// instruction does the work. RAM targets are read into a scratch register and written back.
#include "codegen/media/storage_medium.h"

#include "codegen/codegen.h"
#include "codegen/media/machine_sequences.h"
#include "codegen/media/pointer_sm.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/scratch.h"
#include "isa/instructions.h"

void combine_registers(CODEGEN& g, COMBINATION operation, REGISTER& target, REGISTER& source) {
  switch (operation) {
    case COMBINATION::add:
      g.code.emit<ADD>(&target, &source);
      return;
    case COMBINATION::subtract:
      g.code.emit<SUB>(&target, &source);
      return;
    case COMBINATION::and_:
      g.code.emit<ASM_AND>(&target, &source);
      return;
    case COMBINATION::or_:
      g.code.emit<ASM_OR>(&target, &source);
      return;
    case COMBINATION::xor_:
      g.code.emit<EOR>(&target, &source);
      return;
  }
}

namespace {

void combine_into_register(CODEGEN& g, COMBINATION operation, STORAGE_MEDIUM& source,
                           REGISTER& target) {
  SCRATCH use(g);
  combine_registers(g, operation, target, source.fetch(g, use));
}

// The word is read into u, combined with the source and written back.
void combine_into_ram(CODEGEN& g, COMBINATION operation, STORAGE_MEDIUM& source, RAM_SM& target) {
  SCRATCH use(g);
  REGISTER& value = source.fetch(g, use);
  REGISTER& u = use.take();
  load_from_ram(g, target.address, u);
  combine_registers(g, operation, u, value);
  store_to_ram(g, u, target.address);
}

}  // namespace

void STORAGE_MEDIUM::store_indirect(CODEGEN& g, STORAGE_MEDIUM&) {
  g.internal_error("store through a constant or a void value");
}

void STORAGE_MEDIUM::add_to_address_register(CODEGEN& g, REGISTER& low) {
  SCRATCH use(g);
  g.code.emit<ADD>(&low, &fetch(g, use));
  carry_step(g, low);
}

void STORAGE_MEDIUM::store_stepping(CODEGEN& g, REGISTER& address, bool up) {
  SCRATCH use(g);
  REGISTER& t = fetch(g, use);
  if (up)
    g.code.emit<STX_INCREMENT>(&t, &address);
  else
    g.code.emit<STX_DECREMENT>(&t, &address);
}

void STORAGE_MEDIUM::load_into_register(CODEGEN& g, REGISTER& target) {
  SCRATCH use(g);
  REGISTER& value = fetch(g, use);
  if (&value != &target) g.code.emit<TFR>(&target, &value);
}

void STORAGE_MEDIUM::store_into_ram(CODEGEN& g, RAM_SM& target) {
  SCRATCH use(g);
  REGISTER& value = fetch(g, use);
  store_to_ram(g, value, target.address);
}

void STORAGE_MEDIUM::store_into_element(CODEGEN& g, POINTER_SM& target) {
  SCRATCH use(g);
  REGISTER& value = fetch(g, use);
  target.element_address(g);
  g.code.emit<ST>(&value, &g.roles.ram_access());
}

void STORAGE_MEDIUM::add_to_register(CODEGEN& g, REGISTER& target) {
  combine_into_register(g, COMBINATION::add, *this, target);
}
void STORAGE_MEDIUM::add_to_ram(CODEGEN& g, RAM_SM& target) {
  combine_into_ram(g, COMBINATION::add, *this, target);
}
void STORAGE_MEDIUM::subtract_from_register(CODEGEN& g, REGISTER& target) {
  combine_into_register(g, COMBINATION::subtract, *this, target);
}
void STORAGE_MEDIUM::subtract_from_ram(CODEGEN& g, RAM_SM& target) {
  combine_into_ram(g, COMBINATION::subtract, *this, target);
}
void STORAGE_MEDIUM::and_to_register(CODEGEN& g, REGISTER& target) {
  combine_into_register(g, COMBINATION::and_, *this, target);
}
void STORAGE_MEDIUM::and_to_ram(CODEGEN& g, RAM_SM& target) {
  combine_into_ram(g, COMBINATION::and_, *this, target);
}
void STORAGE_MEDIUM::or_to_register(CODEGEN& g, REGISTER& target) {
  combine_into_register(g, COMBINATION::or_, *this, target);
}
void STORAGE_MEDIUM::or_to_ram(CODEGEN& g, RAM_SM& target) {
  combine_into_ram(g, COMBINATION::or_, *this, target);
}
void STORAGE_MEDIUM::xor_to_register(CODEGEN& g, REGISTER& target) {
  combine_into_register(g, COMBINATION::xor_, *this, target);
}
void STORAGE_MEDIUM::xor_to_ram(CODEGEN& g, RAM_SM& target) {
  combine_into_ram(g, COMBINATION::xor_, *this, target);
}

void STORAGE_MEDIUM::compare_register_with(CODEGEN& g, REGISTER& target) {
  SCRATCH use(g);
  g.code.emit<CMP>(&target, &fetch(g, use));
}

void STORAGE_MEDIUM::compare_ram_with(CODEGEN& g, RAM_SM& target) {
  SCRATCH use(g);
  REGISTER& value = fetch(g, use);
  REGISTER& u = use.take();
  load_from_ram(g, target.address, u);
  g.code.emit<CMP>(&u, &value);
}

void STORAGE_MEDIUM::compare_immediate_with(CODEGEN& g, int32_t immediate) {
  SCRATCH use(g);
  REGISTER& value = fetch(g, use);
  REGISTER& u = use.take();
  constant_load(g, u, immediate);
  g.code.emit<CMP>(&u, &value);
}

// "Address 0" clears the high access register, so the one-word pointer forms the address.
void STORAGE_MEDIUM::store_through_register(CODEGEN& g, REGISTER& pointer) {
  SCRATCH use(g);
  REGISTER& value = fetch(g, use);
  ram_address(g, 0);
  g.code.emit<TFR>(&g.roles.ram_access(), &pointer);
  g.code.emit<ST>(&value, &g.roles.ram_access());
}

// The pointer word is read into R2; with wide RAM its high partner is cleared after.
void STORAGE_MEDIUM::store_through_ram(CODEGEN& g, RAM_SM& pointer) {
  SCRATCH use(g);
  REGISTER& value = fetch(g, use);
  REGISTER& r2 = g.roles.ram_access();
  load_from_ram(g, pointer.address, r2);
  if (g.wide_ram()) constant_load(g, g.roles.ram_access_high(), 0);
  g.code.emit<ST>(&value, &r2);
}

void STORAGE_MEDIUM::load_through_register(CODEGEN& g, REGISTER& target) {
  SCRATCH use(g);
  indirect_load(g, target, fetch(g, use));
}
