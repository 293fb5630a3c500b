// The sequences are those every medium shares, so that a constant or an address enters a
// register the same way everywhere. LDIL writes only the low 8 bits of a register: where an
// address needs more (registers and RAM addresses both wider than 8 bits) LDIH completes it.
#include "codegen/media/machine_sequences.h"

#include "codegen/codegen.h"
#include "codegen/media/scratch.h"
#include "isa/immediate_range.h"
#include "isa/instructions.h"
#include "machine/machine.h"

int32_t reduce_to_width(const CODEGEN& g, int64_t value) {
  return sign_extend(value, g.width());
}

bool fits_immediate_field(int32_t n) {
  return fits_immediate(OPCODE::ADI, n) && fits_immediate(OPCODE::CMPI, n);
}

namespace {

void load_small_positive(CODEGEN& g, REGISTER& r, int32_t n) {
  if (n <= 255) {
    if (g.width() > 8) g.code.emit<EOR>(&r, &r);
    g.code.emit<LDIL>(&r, n);
    return;
  }
  g.code.emit<LDIL>(&r, n % 256);
  g.code.emit<LDIH>(&r, n / 256);
}

// LDIL and LDIH reach R0 to R7 only: a higher register is loaded through a scratch one.
void load_through_scratch(CODEGEN& g, REGISTER& r, int32_t n) {
  SCRATCH use(g);
  REGISTER& s = use.take();
  if (s.number >= 8) return;
  constant_load(g, s, n);
  g.code.emit<TFR>(&r, &s);
}

// The low part of an address into R2: complete when both widths exceed 8 bits.
void low_address(CODEGEN& g, int32_t low) {
  REGISTER& r2 = g.roles.ram_access();
  const bool complete = g.width() > 8 && g.machine.parameters.ram_address_width > 8;
  if (!complete) {
    g.code.emit<LDIL>(&r2, low & 0xFF);
    return;
  }
  g.code.emit<LDIL>(&r2, low & 0xFF);
  g.code.emit<LDIH>(&r2, low >> 8);
}

}  // namespace

void constant_load(CODEGEN& g, REGISTER& r, int32_t n) {
  const int w = g.width();
  n = reduce_to_width(g, n);
  const int32_t most_negative = -(int32_t{1} << (w - 1));
  if (n == 0) {
    g.code.emit<EOR>(&r, &r);
  } else if (n == most_negative) {
    if (r.number < 8 && w == 8) {
      g.code.emit<LDIL>(&r, 128);
    } else {
      g.code.emit<EOR>(&r, &r);
      g.code.emit<BITSET>(&r, w - 1);
    }
  } else if (n < 0) {
    constant_load(g, r, -n);
    g.code.emit<NEG>(&r);
  } else if (r.number >= 8) {
    load_through_scratch(g, r, n);
  } else {
    load_small_positive(g, r, n);
  }
}

void ram_address_high(CODEGEN& g, int32_t address) {
  if (!g.wide_ram()) return;
  REGISTER& r3 = g.roles.ram_access_high();
  const int32_t high = address >> g.width();
  if (high != 0)
    g.code.emit<LDIL>(&r3, high);
  else
    g.code.emit<EOR>(&r3, &r3);
}

void ram_address(CODEGEN& g, int32_t address) {
  ram_address_high(g, address);
  low_address(g, address & ((int32_t{1} << g.width()) - 1));
}

bool ram_address_changes_flags(const CODEGEN& g, int32_t address) {
  return g.wide_ram() && (address >> g.width()) == 0;
}

void load_from_ram(CODEGEN& g, int32_t address, REGISTER& t) {
  ram_address(g, address);
  g.code.emit<LD>(&t, &g.roles.ram_access());
}

void store_to_ram(CODEGEN& g, REGISTER& t, int32_t address) {
  ram_address(g, address);
  g.code.emit<ST>(&t, &g.roles.ram_access());
}

void carry_step(CODEGEN& g, REGISTER& low) {
  if (!g.wide_ram()) return;
  g.code.emit<RB0>('C', 2);
  g.code.emit<ADI>(&g.roles.at(low.number + 1), 1);
}

REGISTER& rom_read(CODEGEN& g, SCRATCH& use, int32_t rom_address) {
  const bool wide = g.wide_rom();
  REGISTER& r4 = use.take_rom_couple(wide);
  const int w = g.width();
  if (wide) {
    REGISTER& r5 = g.roles.couple_high();
    constant_load(g, r4, rom_address & ((int32_t{1} << w) - 1));
    constant_load(g, r5, rom_address >> w);
    g.code.emit<LPM>(&r4, &r4);
    use.give_back(r5);
  } else {
    constant_load(g, r4, rom_address);
    g.code.emit<LPM>(&r4, &r4);
  }
  return r4;
}

void indirect_load(CODEGEN& g, REGISTER& target, REGISTER& pointer) {
  SCRATCH use(g);
  if (g.wide_ram()) {
    REGISTER& r4 = use.take_exactly(g.roles.couple_low());
    REGISTER& r5 = use.take_exactly(g.roles.couple_high());
    constant_load(g, r5, 0);
    g.code.emit<TFR>(&r4, &pointer);
    g.code.emit<LD>(&target, &r4);
  } else if (pointer.number % 2 == 0) {
    g.code.emit<LD>(&target, &pointer);
  } else {
    REGISTER& r4 = use.take_exactly(g.roles.couple_low());
    g.code.emit<TFR>(&r4, &pointer);
    g.code.emit<LD>(&target, &r4);
  }
}

void add_immediate(CODEGEN& g, REGISTER& r, int32_t n) {
  if (fits_immediate_field(n)) {
    g.code.emit<ADI>(&r, n);
    return;
  }
  SCRATCH use(g);
  REGISTER& s = use.take();
  constant_load(g, s, n);
  g.code.emit<ADD>(&r, &s);
}

void compare_immediate(CODEGEN& g, REGISTER& r, int32_t n) {
  if (fits_immediate_field(n)) {
    g.code.emit<CMPI>(&r, n);
    return;
  }
  SCRATCH use(g);
  REGISTER& s = use.take();
  constant_load(g, s, n);
  g.code.emit<CMP>(&r, &s);
}
