// The values an instruction's immediate field holds, read from its opcode row, and the one
// decision built on them: which constants the code generator loads directly and which ones get
// a word in the ROM constant pool. The front end, the code generator and the assembler ask here.
#pragma once

#include <cstdint>

#include "isa/opcode_table.h"

struct IMMEDIATE_RANGE {
  int32_t low;
  int32_t high;

  constexpr bool holds(int64_t value) const { return value >= low && value <= high; }
};

constexpr IMMEDIATE_RANGE immediate_range(OPCODE opcode) {
  const OPCODE_ROW& row = row_of(opcode);
  const int32_t span = int32_t{1} << row.immediate_width;
  if (row.signed_field) return {-span / 2, span / 2 - 1};
  return {0, span - 1};
}

constexpr bool fits_immediate(OPCODE opcode, int64_t value) {
  return immediate_range(opcode).holds(value);
}

// True when v, already reduced to the register width, needs a pool word. A value that fits
// the ADI and CMPI field is used in place; a register no wider than LDIL's byte takes any of
// its values in one load.
constexpr bool needs_pool(int32_t v, int width) {
  if (fits_immediate(OPCODE::ADI, v) && fits_immediate(OPCODE::CMPI, v)) return false;
  const bool one_load = width <= row_of(OPCODE::LDIL).immediate_width;
  const int32_t half = int32_t{1} << (width - 1);
  return !(one_load && v >= -half && v < half);
}
