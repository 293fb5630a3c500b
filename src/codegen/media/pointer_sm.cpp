// An element whose address is computed at run time into the access registers: the base's
// address, then the index added (with the carry into R3 when RAM is wide). As a target the
// element is read into a scratch register, operated on there and written back.
#include "codegen/media/pointer_sm.h"

#include "base/kind_cast.h"
#include "codegen/codegen.h"
#include "codegen/media/machine_sequences.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/scratch.h"
#include "isa/instructions.h"

// Adding a RAM index sets the access registers aside in one or two scratch registers; when
// the operation already holds the others, the index word is read first and the base, a
// constant, added to it instead.
void POINTER_SM::element_address(CODEGEN& g) {
  auto* word = kind_cast<RAM_SM>(&index);
  const int needed = g.wide_ram() ? 2 : 1;
  if (word != nullptr && g.roles.idle_scratch_count() < needed) {
    index_then_base(g, *word);
    return;
  }
  ram_address(g, base.address);
  index.add_to_address_register(g, g.roles.ram_access());
}

void POINTER_SM::index_then_base(CODEGEN& g, RAM_SM& word) {
  REGISTER& r2 = g.roles.ram_access();
  const int w = g.width();
  load_from_ram(g, word.address, r2);
  ram_address_high(g, base.address);
  const int32_t low = base.address & ((int32_t{1} << w) - 1);
  if (low == 0) return;
  if (fits_immediate_field(low)) {
    g.code.emit<ADI>(&r2, low);
  } else {
    SCRATCH use(g);
    REGISTER& s = use.take();
    constant_load(g, s, low);
    g.code.emit<ADD>(&r2, &s);
  }
  carry_step(g, r2);
}

// One-register operations keep the address in R2 for the store; an operation with a source
// may use the access registers itself, so the address is formed again.
template <class OPERATION>
void POINTER_SM::modify_in_place(CODEGEN& g, OPERATION operation) {
  SCRATCH use(g);
  REGISTER& u = use.take();
  REGISTER& r2 = g.roles.ram_access();
  element_address(g);
  g.code.emit<LD>(&u, &r2);
  if (operation(u)) element_address(g);
  g.code.emit<ST>(&u, &r2);
}

void POINTER_SM::assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  source.store_into_element(g, *this);
}
void POINTER_SM::add_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  modify_in_place(g, [&](REGISTER& u) {
    source.add_to_register(g, u);
    return true;
  });
}
void POINTER_SM::subtract_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  modify_in_place(g, [&](REGISTER& u) {
    source.subtract_from_register(g, u);
    return true;
  });
}
void POINTER_SM::and_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  modify_in_place(g, [&](REGISTER& u) {
    source.and_to_register(g, u);
    return true;
  });
}
void POINTER_SM::or_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  modify_in_place(g, [&](REGISTER& u) {
    source.or_to_register(g, u);
    return true;
  });
}
void POINTER_SM::xor_assign(CODEGEN& g, STORAGE_MEDIUM& source) {
  modify_in_place(g, [&](REGISTER& u) {
    source.xor_to_register(g, u);
    return true;
  });
}

void POINTER_SM::compare(CODEGEN& g, STORAGE_MEDIUM& source) {
  SCRATCH use(g);
  REGISTER& u = fetch(g, use);
  source.compare_register_with(g, u);
}

// The element holds the pointer to store through.
void POINTER_SM::store_indirect(CODEGEN& g, STORAGE_MEDIUM& source) {
  SCRATCH use(g);
  REGISTER& u = fetch(g, use);
  source.store_through_register(g, u);
}

void POINTER_SM::assign_dereferenced(CODEGEN& g, STORAGE_MEDIUM& source) {
  SCRATCH use(g);
  REGISTER& s = use.take();
  source.load_through_register(g, s);
  element_address(g);
  g.code.emit<ST>(&s, &g.roles.ram_access());
}

void POINTER_SM::load_constant(CODEGEN& g, int32_t n) {
  SCRATCH use(g);
  REGISTER& t = use.take();
  constant_load(g, t, n);
  element_address(g);
  g.code.emit<ST>(&t, &g.roles.ram_access());
}

void POINTER_SM::add_constant(CODEGEN& g, int32_t n) {
  modify_in_place(g, [&](REGISTER& u) {
    add_immediate(g, u, n);
    return false;
  });
}

void POINTER_SM::compare_constant(CODEGEN& g, int32_t n) {
  SCRATCH use(g);
  compare_immediate(g, fetch(g, use), n);
}

void POINTER_SM::shift_left(CODEGEN& g, int n) {
  modify_in_place(g, [&](REGISTER& u) {
    for (int k = 0; k < n; ++k) g.code.emit<LSL>(&u);
    return false;
  });
}

void POINTER_SM::shift_right(CODEGEN& g, int n) {
  modify_in_place(g, [&](REGISTER& u) {
    for (int k = 0; k < n; ++k) g.code.emit<LSR>(&u);
    return false;
  });
}

// Forming the address changes the flags, so the carry to rotate in is kept aside first.
void POINTER_SM::rotate_left(CODEGEN& g) {
  SCRATCH use(g);
  REGISTER& flags = use.take();
  g.code.emit<TFSR>(&flags);
  REGISTER& u = use.take();
  REGISTER& r2 = g.roles.ram_access();
  element_address(g);
  g.code.emit<LD>(&u, &r2);
  g.code.emit<TTSR>(&flags);
  g.code.emit<ROL>(&u);
  g.code.emit<ST>(&u, &r2);
}

void POINTER_SM::negate(CODEGEN& g) {
  modify_in_place(g, [&](REGISTER& u) {
    g.code.emit<NEG>(&u);
    return false;
  });
}

void POINTER_SM::to_status_register(CODEGEN& g) {
  SCRATCH use(g);
  g.code.emit<TTSR>(&fetch(g, use));
}

void POINTER_SM::release(CODEGEN& g) {
  index.release(g);
}

std::string POINTER_SM::print_kind(const MACHINE&) const {
  return "";
}

std::string POINTER_SM::print_value(const MACHINE&) const {
  return " (in )";
}

void POINTER_SM::store_through_ram(CODEGEN& g, RAM_SM& pointer) {
  SCRATCH use(g);
  REGISTER& t = fetch(g, use);
  g.code.emit<NOP>();
  REGISTER& r2 = g.roles.ram_access();
  load_from_ram(g, pointer.address, r2);
  if (g.wide_ram()) constant_load(g, g.roles.ram_access_high(), 0);
  g.code.emit<ST>(&t, &r2);
}

REGISTER& POINTER_SM::fetch(CODEGEN& g, SCRATCH& use) {
  REGISTER& t = use.take();
  element_address(g);
  g.code.emit<LD>(&t, &g.roles.ram_access());
  return t;
}
