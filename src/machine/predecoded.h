// A ROM slot as the fast run loop reads it: which handler runs it and its operands, decoded once
// from the slot's object instead of being asked for through virtual calls on every execution.
// Eight bytes, so that a loop's records share few cache lines.
#pragma once

#include <cstdint>

// The handlers of the run loop, listed once: the enum and the run loop's table of handlers are
// both generated from this list, so a kind cannot miss its handler or find another's. `generic`
// asks the object to execute itself: every instruction that may report a diagnostic, stop the
// run or jump to a computed address goes there.
// clang-format off
#define FAST_KIND_LIST(X)                                                                     \
  X(finished) /* the sentinel past the last slot */                                          \
  X(empty)                                                                                    \
  X(generic)                                                                                  \
  X(nop)                                                                                      \
  X(add) X(adc) X(adi) X(sub) X(subc) X(cmp) X(cmpi)                                          \
  X(logic_and) X(logic_or) X(eor)                                                             \
  X(asr) X(lsr) X(lsl)                                                                        \
  X(tfr) X(ldil) X(ldih)                                                                      \
  /* on words already written; anything else is left to the object, which reports it */      \
  X(ld) X(st)                                                                                 \
  X(rjmp) X(rb0) X(rb1) X(rcall) X(ret)                                                       \
  /* to an address within the ROM; beyond it the object reports or ends the run */            \
  X(ijmp) X(ib0) X(ib1)                                                                       \
  /* Fused chains, from here to the end: a run of NOPs, and an instruction that sets the     \
     flags, the NOPs the pipeline needs, then the relative branch that tests them. */         \
  X(nops) X(add_branch) X(adi_branch) X(sub_branch) X(cmp_branch) X(cmpi_branch)              \
  X(and_branch)                                                                               \
  /* The same chains when the branch tests Z, which needs only the result. */                 \
  X(add_branch_z) X(adi_branch_z) X(sub_branch_z) X(cmp_branch_z) X(cmpi_branch_z)            \
  X(and_branch_z)
// clang-format on

#define FAST_KIND_ENUMERATOR(kind) kind,
enum class FAST_KIND : uint8_t { FAST_KIND_LIST(FAST_KIND_ENUMERATOR) count };
#undef FAST_KIND_ENUMERATOR

// A kind a single instruction's record takes, before the chains are fused.
constexpr bool is_plain(FAST_KIND kind) {
  return kind >= FAST_KIND::generic && kind < FAST_KIND::nops;
}

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
