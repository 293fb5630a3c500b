// One row per instruction class: its print mnemonic, the fixed bits of its 16-bit code, the
// layout of its operand fields, its clock periods, its status use, the registers it reads and
// writes in the pipeline, whether an ALU kernel computes it and the fast run loop's handler.
// The classes read their row at compile time, so no lookup happens while running.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "machine/pipeline_use.h"
#include "machine/predecoded.h"

// clang-format off
enum class OPCODE {
  ADC, ADD, SUB, SUBC, AND, OR, EOR, TFR, CMP, TTSR, TFSR,
  ASR, LSR, LSL, ROL, ROR, NEG, COM,
  BITCHG, BITCLR, BITSET, BITST, ADI, CMPI, LDIH, LDIL,
  LD, LDX_INCREMENT, LDX_DECREMENT, ST, STX_INCREMENT, STX_DECREMENT, IN, OUT, LPM,
  IJMP, INT, RET, RETI, ICALL, NOP, IEM, IB0, IB1, RB0, RB1, RJMP, RCALL, PMC,
  count
};
// clang-format on

struct OPCODE_ROW {
  OPCODE opcode;
  std::string_view mnemonic;  // as printed
  uint16_t pattern;           // the bits that do not depend on the operands
  int8_t immediate_width;     // immediate, bit index, port, flag or offset field
  int8_t immediate_shift;     // where that field starts
  int8_t register_width;      // the register field ending at bit 0 (5, or 3 for R0 to R7)
  int8_t periods;             // clock periods (a taken branch's)
  int number;                 // instruction_number
  bool writes_status;
  bool reads_status;
  bool alu;               // its arithmetic and flags are an ALU_KERNEL (isa/alu_kernels.h)
  PIPELINE_USE pipeline;  // what the forwarding module checks
  FAST_KIND fast_kind;    // the run loop's handler; generic runs the object itself
  bool signed_field = false;  // the immediate field is two's complement (ADI, CMPI, offsets)
};

namespace opcode_rows {
using enum OPERAND_LAYOUT;
using enum PIPELINE_READS;

// clang-format off
inline constexpr std::array<OPCODE_ROW, static_cast<std::size_t>(OPCODE::count)> table{{
  // opcode                 mnemonic  pattern imm shift reg clk number writes reads  alu
  //  {operand layout, registers read, registers written}, fast run handler, then true for a
  //  signed field
  {OPCODE::ADC,             "ADC",    0x0400, 0, 0, 5, 1,     1, true,  true,  true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::adc},
  {OPCODE::ADD,             "ADD",    0x0800, 0, 0, 5, 1,     2, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::add},
  {OPCODE::SUB,             "SUB",    0x0C00, 0, 0, 5, 1,    41, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::sub},
  {OPCODE::SUBC,            "SUBC",   0x1000, 0, 0, 5, 1,    42, true,  true,  true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::subc},
  {OPCODE::AND,             "AND",    0x1400, 0, 0, 5, 1,     4, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::logic_and},
  {OPCODE::OR,              "OR",     0x1800, 0, 0, 5, 1,    29, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::logic_or},
  {OPCODE::EOR,             "EOR",    0x1C00, 0, 0, 5, 1,    13, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::eor},
  {OPCODE::TFR,             "TFR",    0x2000, 0, 0, 5, 1,    43, false, false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::tfr},
  {OPCODE::CMP,             "CMP",    0x2800, 0, 0, 5, 1,    10, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_NONE}, FAST_KIND::cmp},
  {OPCODE::TTSR,            "TTSR",   0x2C00, 0, 0, 5, 1,    45, true,  false, false,
   {ONLY_B, ITS_REGISTERS, WRITES_NONE}, FAST_KIND::generic},
  {OPCODE::TFSR,            "TFSR",   0x3000, 0, 0, 5, 1,    44, false, true,  false,
   {AS_WRITTEN, LOADED, WRITES_A}, FAST_KIND::generic},
  {OPCODE::ASR,             "ASR",    0x4000, 0, 0, 5, 1,     5, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::asr},
  {OPCODE::LSR,             "LSR",    0x4080, 0, 0, 5, 1,    26, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::lsr},
  {OPCODE::LSL,             "LSL",    0x4100, 0, 0, 5, 1,    25, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::lsl},
  {OPCODE::ROL,             "ROL",    0x4180, 0, 0, 5, 1,    37, true,  true,  true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::generic},
  {OPCODE::ROR,             "ROR",    0x4200, 0, 0, 5, 1,    38, true,  true,  true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::generic},
  {OPCODE::NEG,             "NEG",    0x4280, 0, 0, 5, 1,    27, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::generic},
  {OPCODE::COM,             "COM",    0x4300, 0, 0, 5, 1,    12, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::generic},
  {OPCODE::BITCHG,          "BITCHG", 0x4400, 4, 5, 5, 1,     6, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::generic},
  {OPCODE::BITCLR,          "BITCLR", 0x4600, 4, 5, 5, 1,     7, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::generic},
  {OPCODE::BITSET,          "BITSET", 0x4800, 4, 5, 5, 1,     8, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::generic},
  {OPCODE::BITST,           "BITST",  0x4A00, 4, 5, 5, 1,     9, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_NONE}, FAST_KIND::generic},
  {OPCODE::ADI,             "ADI",    0x6000, 7, 5, 5, 1,     3, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::adi, true},
  {OPCODE::CMPI,            "CMPI",   0x7000, 7, 5, 5, 1,    11, true,  false, true,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_NONE}, FAST_KIND::cmpi, true},
  {OPCODE::LDIH,            "LDIH",   0x8000, 8, 3, 3, 1,    21, false, false, true,
   {AS_WRITTEN, LOADED, WRITES_A}, FAST_KIND::ldih},
  {OPCODE::LDIL,            "LDIL",   0x8800, 8, 3, 3, 1,    22, false, false, true,
   {AS_WRITTEN, LOADED, WRITES_A}, FAST_KIND::ldil},
  {OPCODE::LD,              "LD",     0x9000, 0, 0, 5, 1,    20, false, false, false,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A}, FAST_KIND::ld},
  {OPCODE::LDX_INCREMENT,   "LDX",    0x9400, 0, 0, 5, 1,   230, true,  false, false,
   {AS_WRITTEN, INDEXED, INDEXED_WRITES}, FAST_KIND::generic},
  {OPCODE::LDX_DECREMENT,   "LDX",    0x9800, 0, 0, 5, 1,   231, true,  false, false,
   {AS_WRITTEN, INDEXED, INDEXED_WRITES}, FAST_KIND::generic},
  {OPCODE::ST,              "ST",     0x9C00, 0, 0, 5, 1,    39, true,  false, false,
   {SWAPPED, ITS_REGISTERS, WRITES_A}, FAST_KIND::st},
  {OPCODE::STX_INCREMENT,   "STX",    0xA000, 0, 0, 5, 1,   400, true,  false, false,
   {SWAPPED, INDEXED, INDEXED_WRITES}, FAST_KIND::generic},
  {OPCODE::STX_DECREMENT,   "STX",    0xA400, 0, 0, 5, 1,   401, true,  false, false,
   {SWAPPED, INDEXED, INDEXED_WRITES}, FAST_KIND::generic},
  {OPCODE::IN,              "IN",     0xA800, 7, 3, 3, 1,    18, false, false, false,
   {AS_WRITTEN, LOADED, WRITES_A}, FAST_KIND::generic},
  {OPCODE::OUT,             "OUT",    0xAC00, 7, 3, 3, 1,    30, false, false, false,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_B}, FAST_KIND::generic},  // has no B: writes nothing
  {OPCODE::LPM,             "LPM",    0xB000, 0, 0, 5, 4,    24, false, false, false,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_A | WRITES_AFTER_A}, FAST_KIND::generic},
  {OPCODE::IJMP,            "IJMP",   0xC000, 0, 0, 5, 4,    17, false, false, false,
   {AS_WRITTEN, INDIRECT, WRITES_NONE}, FAST_KIND::ijmp},
  {OPCODE::INT,             "int",    0xC100, 0, 0, 0, 1,    19, false, false, false,
   {AS_WRITTEN, NOTHING, WRITES_NONE}, FAST_KIND::generic},
  {OPCODE::RET,             "RET",    0xC200, 0, 0, 0, 4,    34, false, false, false,
   {AS_WRITTEN, NOTHING, WRITES_NONE}, FAST_KIND::ret},
  {OPCODE::RETI,            "RETI",   0xC300, 0, 0, 0, 4,    35, true,  false, false,
   {AS_WRITTEN, NOTHING, WRITES_NONE}, FAST_KIND::generic},
  {OPCODE::ICALL,           "ICALL",  0xC800, 0, 0, 5, 4,    16, false, false, false,
   {AS_WRITTEN, INDIRECT, WRITES_NONE}, FAST_KIND::generic},
  {OPCODE::NOP,             "NOP",    0xCC00, 0, 0, 0, 1,    28, false, false, false,
   {AS_WRITTEN, NOTHING, WRITES_NONE}, FAST_KIND::nop},
  {OPCODE::IEM,             "IEM",    0xCC00, 0, 0, 0, 0, 10000, false, false, false,
   {AS_WRITTEN, NOTHING, WRITES_A}, FAST_KIND::generic},
  {OPCODE::IB0,             "IB0",    0xD000, 3, 7, 5, 4,    14, false, true,  false,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_NONE}, FAST_KIND::ib0},
  {OPCODE::IB1,             "IB1",    0xD400, 3, 7, 5, 4,    15, false, true,  false,
   {AS_WRITTEN, ITS_REGISTERS, WRITES_NONE}, FAST_KIND::ib1},
  {OPCODE::RB0,             "RB0",    0xD800, 7, 0, 0, 4,    31, false, true,  false,
   {AS_WRITTEN, NOTHING, WRITES_NONE}, FAST_KIND::rb0, true},
  {OPCODE::RB1,             "RB1",    0xDC00, 7, 0, 0, 4,    32, false, true,  false,
   {AS_WRITTEN, NOTHING, WRITES_NONE}, FAST_KIND::rb1, true},
  {OPCODE::RJMP,            "RJMP",   0xE000, 12, 0, 0, 4,   36, false, false, false,
   {AS_WRITTEN, NOTHING, WRITES_NONE}, FAST_KIND::rjmp, true},
  {OPCODE::RCALL,           "RCALL",  0xF000, 12, 0, 0, 2,   33, false, false, false,
   {AS_WRITTEN, NOTHING, WRITES_NONE}, FAST_KIND::rcall, true},
  {OPCODE::PMC,             "PMC",    0x0000, 16, 0, 0, 1, 10000, false, false, false,
   {AS_WRITTEN, NOTHING, WRITES_A}, FAST_KIND::generic},
}};
// clang-format on
}  // namespace opcode_rows

inline constexpr const auto& opcode_table = opcode_rows::table;

constexpr const OPCODE_ROW& row_of(OPCODE opcode) {
  return opcode_table[static_cast<std::size_t>(opcode)];
}

// Each row sits at its own opcode's index.
constexpr bool table_is_in_order() {
  for (std::size_t i = 0; i < opcode_table.size(); ++i)
    if (static_cast<std::size_t>(opcode_table[i].opcode) != i) return false;
  return true;
}
static_assert(table_is_in_order());

// Each row says how its instruction uses the pipeline.
constexpr bool every_row_has_pipeline_use() {
  for (const OPCODE_ROW& row : opcode_table)
    if (row.pipeline.reads == PIPELINE_READS::UNSET) return false;
  return true;
}
static_assert(every_row_has_pipeline_use());

// Each row runs through a handler of a single instruction: the chains are fused afterwards.
constexpr bool every_fast_kind_is_plain() {
  for (const OPCODE_ROW& row : opcode_table)
    if (!is_plain(row.fast_kind)) return false;
  return true;
}
static_assert(every_fast_kind_is_plain());

// Which handler of the fast run loop executes each opcode. Opcodes without one of their own
// (the indexed memory forms, ports, LPM, calls through a register, the rarer ALU instructions)
// run through their object, as the single steps do.
constexpr FAST_KIND fast_kind_of(OPCODE opcode) {
  return row_of(opcode).fast_kind;
}
