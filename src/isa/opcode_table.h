// One row per instruction class: its print mnemonic, the fixed bits of its 16-bit code, the
// layout of its operand fields, its clock periods and the properties used by the forwarding
// module. The classes read their row at compile time, so no lookup happens while running.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

enum class OPCODE {
  ADC, ADD, SUB, SUBC, AND, OR, EOR, TFR, CMP, TTSR, TFSR,
  ASR, LSR, LSL, ROL, ROR, NEG, COM,
  BITCHG, BITCLR, BITSET, BITST, ADI, CMPI, LDIH, LDIL,
  LD, LDX_INCREMENT, LDX_DECREMENT, ST, STX_INCREMENT, STX_DECREMENT, IN, OUT, LPM,
  IJMP, INT, RET, RETI, ICALL, NOP, IEM, IB0, IB1, RB0, RB1, RJMP, RCALL, PMC,
  count
};

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
};

// clang-format off
inline constexpr std::array<OPCODE_ROW, static_cast<std::size_t>(OPCODE::count)> opcode_table{{
  // opcode                 mnemonic  pattern imm shift reg clk number writes reads
  {OPCODE::ADC,             "ADC",    0x0400, 0, 0, 5, 1,     1, true,  true},
  {OPCODE::ADD,             "ADD",    0x0800, 0, 0, 5, 1,     2, true,  false},
  {OPCODE::SUB,             "SUB",    0x0C00, 0, 0, 5, 1,    41, true,  false},
  {OPCODE::SUBC,            "SUBC",   0x1000, 0, 0, 5, 1,    42, true,  true},
  {OPCODE::AND,             "AND",    0x1400, 0, 0, 5, 1,     4, true,  false},
  {OPCODE::OR,              "OR",     0x1800, 0, 0, 5, 1,    29, true,  false},
  {OPCODE::EOR,             "EOR",    0x1C00, 0, 0, 5, 1,    13, true,  false},
  {OPCODE::TFR,             "TFR",    0x2000, 0, 0, 5, 1,    43, false, false},
  {OPCODE::CMP,             "CMP",    0x2800, 0, 0, 5, 1,    10, true,  false},
  {OPCODE::TTSR,            "TTSR",   0x2C00, 0, 0, 5, 1,    45, true,  false},
  {OPCODE::TFSR,            "TFSR",   0x3000, 0, 0, 5, 1,    44, false, true},
  {OPCODE::ASR,             "ASR",    0x4000, 0, 0, 5, 1,     5, true,  false},
  {OPCODE::LSR,             "LSR",    0x4080, 0, 0, 5, 1,    26, true,  false},
  {OPCODE::LSL,             "LSL",    0x4100, 0, 0, 5, 1,    25, true,  false},
  {OPCODE::ROL,             "ROL",    0x4180, 0, 0, 5, 1,    37, true,  true},
  {OPCODE::ROR,             "ROR",    0x4200, 0, 0, 5, 1,    38, true,  true},
  {OPCODE::NEG,             "NEG",    0x4280, 0, 0, 5, 1,    27, true,  false},
  {OPCODE::COM,             "COM",    0x4300, 0, 0, 5, 1,    12, true,  false},
  {OPCODE::BITCHG,          "BITCHG", 0x4400, 4, 5, 5, 1,     6, true,  false},
  {OPCODE::BITCLR,          "BITCLR", 0x4600, 4, 5, 5, 1,     7, true,  false},
  {OPCODE::BITSET,          "BITSET", 0x4800, 4, 5, 5, 1,     8, true,  false},
  {OPCODE::BITST,           "BITST",  0x4A00, 4, 5, 5, 1,     9, true,  false},
  {OPCODE::ADI,             "ADI",    0x6000, 7, 5, 5, 1,     3, true,  false},
  {OPCODE::CMPI,            "CMPI",   0x7000, 7, 5, 5, 1,    11, true,  false},
  {OPCODE::LDIH,            "LDIH",   0x8000, 8, 3, 3, 1,    21, false, false},
  {OPCODE::LDIL,            "LDIL",   0x8800, 8, 3, 3, 1,    22, false, false},
  {OPCODE::LD,              "LD",     0x9000, 0, 0, 5, 1,    20, false, false},
  {OPCODE::LDX_INCREMENT,   "LDX",    0x9400, 0, 0, 5, 1,   230, true,  false},
  {OPCODE::LDX_DECREMENT,   "LDX",    0x9800, 0, 0, 5, 1,   231, true,  false},
  {OPCODE::ST,              "ST",     0x9C00, 0, 0, 5, 1,    39, true,  false},
  {OPCODE::STX_INCREMENT,   "STX",    0xA000, 0, 0, 5, 1,   400, true,  false},
  {OPCODE::STX_DECREMENT,   "STX",    0xA400, 0, 0, 5, 1,   401, true,  false},
  {OPCODE::IN,              "IN",     0xA800, 7, 3, 3, 1,    18, false, false},
  {OPCODE::OUT,             "OUT",    0xAC00, 7, 3, 3, 1,    30, false, false},
  {OPCODE::LPM,             "LPM",    0xB000, 0, 0, 5, 4,    24, false, false},
  {OPCODE::IJMP,            "IJMP",   0xC000, 0, 0, 5, 4,    17, false, false},
  {OPCODE::INT,             "int",    0xC100, 0, 0, 0, 1,    19, false, false},
  {OPCODE::RET,             "RET",    0xC200, 0, 0, 0, 4,    34, false, false},
  {OPCODE::RETI,            "RETI",   0xC300, 0, 0, 0, 4,    35, true,  false},
  {OPCODE::ICALL,           "ICALL",  0xC800, 0, 0, 5, 4,    16, false, false},
  {OPCODE::NOP,             "NOP",    0xCC00, 0, 0, 0, 1,    28, false, false},
  {OPCODE::IEM,             "IEM",    0xCC00, 0, 0, 0, 0, 10000, false, false},
  {OPCODE::IB0,             "IB0",    0xD000, 3, 7, 5, 4,    14, false, true},
  {OPCODE::IB1,             "IB1",    0xD400, 3, 7, 5, 4,    15, false, true},
  {OPCODE::RB0,             "RB0",    0xD800, 7, 0, 0, 4,    31, false, true},
  {OPCODE::RB1,             "RB1",    0xDC00, 7, 0, 0, 4,    32, false, true},
  {OPCODE::RJMP,            "RJMP",   0xE000, 12, 0, 0, 4,   36, false, false},
  {OPCODE::RCALL,           "RCALL",  0xF000, 12, 0, 0, 2,   33, false, false},
  {OPCODE::PMC,             "PMC",    0x0000, 16, 0, 0, 1, 10000, false, false},
}};
// clang-format on

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
