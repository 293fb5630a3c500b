// A ROM slot as the fast run loop reads it: which handler runs it and its operands, decoded once
// from the slot's object instead of being asked for through virtual calls on every execution.
// Eight bytes, so that a loop's records share few cache lines.
#pragma once

#include <cstdint>

// The handlers of the run loop. `generic` asks the object to execute itself: every instruction
// that may report a diagnostic, stop the run or jump to a computed address goes there.
// clang-format off
enum class FAST_KIND : uint8_t {
  finished,  // the sentinel past the last slot
  empty,
  generic,
  nop,
  add, adc, adi, sub, subc, cmp, cmpi,
  logic_and, logic_or, eor,
  asr, lsr, lsl,
  tfr, ldil, ldih,
  ld, st,  // on words already written; anything else is left to the object, which reports it
  rjmp, rb0, rb1, rcall, ret,
  ijmp, ib0, ib1,  // to an address within the ROM; beyond it the object reports or ends the run
  // Fused chains: a run of NOPs, and an instruction that sets the flags, the NOPs the
  // pipeline needs, then the relative branch that tests them.
  nops, add_branch, adi_branch, sub_branch, cmp_branch, cmpi_branch, and_branch,
  // The same chains when the branch tests Z, which needs only the result.
  add_branch_z, adi_branch_z, sub_branch_z, cmp_branch_z, cmpi_branch_z, and_branch_z,
  count
};
// clang-format on

// The kinds whose value is a branch target, resolved to an absolute ROM address.
constexpr bool jumps_to_value(FAST_KIND kind) {
  return kind == FAST_KIND::rjmp || kind == FAST_KIND::rb0 || kind == FAST_KIND::rb1 ||
         kind == FAST_KIND::rcall;
}

struct PREDECODED {
  FAST_KIND kind = FAST_KIND::generic;
  uint8_t a = 0;      // the first register's number
  uint8_t b = 0;      // the second register's number, or the flag bit a branch tests
  uint8_t span = 1;   // the instructions the record executes: more than 1 for a fused chain
  int32_t value = 0;  // the immediate, the flag bit of IB0 and IB1, or the branch target
};
static_assert(sizeof(PREDECODED) == 8);

// The longest fused chain; a slot's record depends on the plain records of this many slots.
constexpr int longest_span = 8;

// The record for the first of the plain records given (count of them, at least 1): a fused
// chain when they start one, else the plain record itself. A fused record keeps its head's
// kind-specific operands, so the loop can still execute the head alone.
PREDECODED fused(const PREDECODED* plain, int count);
