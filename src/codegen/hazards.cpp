// The dependence rules between two instructions, one table row per instruction number: where its
// A and B registers are in its operands, which registers it is checked on as the later
// instruction, and which it writes as the earlier one.
#include "codegen/hazards.h"

#include "isa/asm_forms.h"
#include "machine/register_pool.h"

namespace {

// Where A and B sit among the operands as written.
enum class LAYOUT { AS_WRITTEN, SWAPPED, ONLY_B };

// Which registers of the later instruction are compared with what the earlier one writes.
enum class READS {
  NOTHING,        // never waits
  ITS_REGISTERS,  // A and B (whichever exist) against every written register
  INDIRECT,       // ICALL, IJMP: A, and with a wide RAM address A + 1 against the earlier A
  INDEXED,        // LDX, STX: B (and B + 1) against the earlier A; A and B against the rest
  LOADED          // LDIL, LDIH, IN, TFSR: A against the registers after A or B only
};

// What the earlier instruction writes.
enum WRITES : unsigned {
  WRITES_NONE = 0,
  WRITES_A = 1,        // its A register
  WRITES_B = 2,        // its B register
  WRITES_AFTER_A = 4,  // A + 1, when registers are narrower than 16 bits
  WRITES_AFTER_B = 8,  // B + 1, when RAM addresses are wider than registers
  INDEXED_WRITES = WRITES_A | WRITES_B | WRITES_AFTER_B
};

struct HAZARD_ROW {
  int number;  // instruction_number
  LAYOUT layout;
  READS reads;
  unsigned writes;
};

using enum READS;
using enum LAYOUT;

// clang-format off
constexpr HAZARD_ROW hazard_table[] = {
  {1, AS_WRITTEN, ITS_REGISTERS, WRITES_A},               // ADC
  {2, AS_WRITTEN, ITS_REGISTERS, WRITES_A},               // ADD
  {3, AS_WRITTEN, ITS_REGISTERS, WRITES_A},               // ADI
  {4, AS_WRITTEN, ITS_REGISTERS, WRITES_A},               // AND
  {5, AS_WRITTEN, ITS_REGISTERS, WRITES_A},               // ASR
  {6, AS_WRITTEN, ITS_REGISTERS, WRITES_A},               // BITCHG
  {7, AS_WRITTEN, ITS_REGISTERS, WRITES_A},               // BITCLR
  {8, AS_WRITTEN, ITS_REGISTERS, WRITES_A},               // BITSET
  {9, AS_WRITTEN, ITS_REGISTERS, WRITES_NONE},            // BITST
  {10, AS_WRITTEN, ITS_REGISTERS, WRITES_NONE},           // CMP
  {11, AS_WRITTEN, ITS_REGISTERS, WRITES_NONE},           // CMPI
  {12, AS_WRITTEN, ITS_REGISTERS, WRITES_A},              // COM
  {13, AS_WRITTEN, ITS_REGISTERS, WRITES_A},              // EOR
  {14, AS_WRITTEN, ITS_REGISTERS, WRITES_NONE},           // IB0
  {15, AS_WRITTEN, ITS_REGISTERS, WRITES_NONE},           // IB1
  {16, AS_WRITTEN, INDIRECT, WRITES_NONE},                // ICALL
  {17, AS_WRITTEN, INDIRECT, WRITES_NONE},                // IJMP
  {18, AS_WRITTEN, LOADED, WRITES_A},                     // IN
  {19, AS_WRITTEN, NOTHING, WRITES_NONE},                 // INT
  {20, AS_WRITTEN, ITS_REGISTERS, WRITES_A},              // LD
  {21, AS_WRITTEN, LOADED, WRITES_A},                     // LDIH
  {22, AS_WRITTEN, LOADED, WRITES_A},                     // LDIL
  {230, AS_WRITTEN, INDEXED, INDEXED_WRITES},             // LDX Rd,(Ra)+
  {231, AS_WRITTEN, INDEXED, INDEXED_WRITES},             // LDX Rd,-(Ra)
  {24, AS_WRITTEN, ITS_REGISTERS, WRITES_A | WRITES_AFTER_A},  // LPM
  {25, AS_WRITTEN, ITS_REGISTERS, WRITES_A},              // LSL
  {26, AS_WRITTEN, ITS_REGISTERS, WRITES_A},              // LSR
  {27, AS_WRITTEN, ITS_REGISTERS, WRITES_A},              // NEG
  {28, AS_WRITTEN, NOTHING, WRITES_NONE},                 // NOP
  {29, AS_WRITTEN, ITS_REGISTERS, WRITES_A},              // OR
  {30, AS_WRITTEN, ITS_REGISTERS, WRITES_B},              // OUT (has no B: writes nothing)
  {31, AS_WRITTEN, NOTHING, WRITES_NONE},                 // RB0
  {32, AS_WRITTEN, NOTHING, WRITES_NONE},                 // RB1
  {33, AS_WRITTEN, NOTHING, WRITES_NONE},                 // RCALL
  {34, AS_WRITTEN, NOTHING, WRITES_NONE},                 // RET
  {35, AS_WRITTEN, NOTHING, WRITES_NONE},                 // RETI
  {36, AS_WRITTEN, NOTHING, WRITES_NONE},                 // RJMP
  {37, AS_WRITTEN, ITS_REGISTERS, WRITES_A},              // ROL
  {38, AS_WRITTEN, ITS_REGISTERS, WRITES_A},              // ROR
  {39, SWAPPED, ITS_REGISTERS, WRITES_A},                 // ST
  {400, SWAPPED, INDEXED, INDEXED_WRITES},                // STX Rs,(Ra)+
  {401, SWAPPED, INDEXED, INDEXED_WRITES},                // STX Rs,-(Ra)
  {41, AS_WRITTEN, ITS_REGISTERS, WRITES_A},              // SUB
  {42, AS_WRITTEN, ITS_REGISTERS, WRITES_A},              // SUBC
  {43, AS_WRITTEN, ITS_REGISTERS, WRITES_A},              // TFR
  {44, AS_WRITTEN, LOADED, WRITES_A},                     // TFSR
  {45, ONLY_B, ITS_REGISTERS, WRITES_NONE},               // TTSR
  {10000, AS_WRITTEN, NOTHING, WRITES_A},                 // IEM, PMC (a breakpoint is looked through)
};
// clang-format on

constexpr HAZARD_ROW unknown_row{0, AS_WRITTEN, NOTHING, WRITES_NONE};

const HAZARD_ROW& row_for(int number) {
  for (const HAZARD_ROW& row : hazard_table)
    if (row.number == number) return row;
  return unknown_row;
}

int number_of(const REGISTER* r) {
  return r != nullptr ? r->number : NO_REGISTER;
}
int after(int r) {
  return r == NO_REGISTER ? NO_REGISTER : r + 1;
}
bool same(int read, int written) {
  return read != NO_REGISTER && read == written;
}

// The registers as the operand form holds them: first and second.
REGISTER_OPERANDS as_written(const ASM& instruction) {
  if (auto* rr = dynamic_cast<const ASM_RR*>(&instruction))
    return {number_of(rr->first_register()), number_of(rr->second_register())};
  if (auto* r = dynamic_cast<const ASM_R*>(&instruction))
    return {number_of(r->first_register()), NO_REGISTER};
  if (auto* ri = dynamic_cast<const ASM_R_IMM*>(&instruction))
    return {number_of(ri->first_register()), NO_REGISTER};
  return {};
}

// The registers the earlier instruction writes, one per rule (NO_REGISTER when it does not apply).
struct WRITTEN {
  int a = NO_REGISTER;
  int b = NO_REGISTER;
  int after_a = NO_REGISTER;
  int after_b = NO_REGISTER;

  bool any(int r) const { return same(r, a) || later_rules(r); }
  bool later_rules(int r) const { return same(r, b) || loads(r); }
  bool loads(int r) const { return same(r, after_a) || same(r, after_b); }
};

WRITTEN written_by(const ASM& earlier, const PROCESSOR_PARAMETERS& parameters) {
  const unsigned writes = row_for(earlier.instruction_number()).writes;
  const REGISTER_OPERANDS r = register_operands(earlier);
  WRITTEN w;
  if (writes & WRITES_A) w.a = r.a;
  if (writes & WRITES_B) w.b = r.b;
  if ((writes & WRITES_AFTER_A) && parameters.data_size < 16) w.after_a = after(r.a);
  if ((writes & WRITES_AFTER_B) && parameters.ram_address_width > parameters.data_size)
    w.after_b = after(r.b);
  return w;
}

bool reads_written_register(READS reads, REGISTER_OPERANDS r, const WRITTEN& w, bool wide_ram) {
  switch (reads) {
    case ITS_REGISTERS:
      return w.any(r.a) || w.any(r.b);
    case INDIRECT:
      return w.any(r.a) || (wide_ram && same(after(r.a), w.a));
    case INDEXED:
      return same(r.b, w.a) || (wide_ram && same(after(r.b), w.a)) || w.later_rules(r.a) ||
             w.later_rules(r.b);
    case LOADED:
      return w.loads(r.a);
    case NOTHING:
      break;
  }
  return false;
}

}  // namespace

const ASM& unwrapped(const ASM& object) {
  const ASM* inner = object.wrapped();
  return inner != nullptr ? *inner : object;
}

ASM& unwrapped(ASM& object) {
  ASM* inner = object.wrapped();
  return inner != nullptr ? *inner : object;
}

REGISTER_OPERANDS register_operands(const ASM& object) {
  const ASM& instruction = unwrapped(object);
  const REGISTER_OPERANDS r = as_written(instruction);
  switch (row_for(instruction.instruction_number()).layout) {
    case SWAPPED:
      return {r.b, r.a};
    case ONLY_B:
      return {NO_REGISTER, r.a};
    case AS_WRITTEN:
      break;
  }
  return r;
}

bool depends_on(const ASM& current, const ASM& earlier, const PROCESSOR_PARAMETERS& parameters) {
  const ASM& later = unwrapped(current);
  const ASM& before = unwrapped(earlier);
  const READS reads = row_for(later.instruction_number()).reads;
  if (reads == NOTHING) return false;
  if (later.reads_status() && before.writes_status()) return true;
  const bool wide_ram = parameters.ram_address_width > parameters.data_size;
  return reads_written_register(reads, register_operands(later), written_by(before, parameters),
                                wide_ram);
}
