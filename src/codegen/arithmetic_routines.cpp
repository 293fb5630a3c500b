// The routines are unrolled, one step per bit, and scheduled for the pipeline by hand: each
// skip lands where neither way in leaves a hazard, so its landing needs no padding, and the
// forwarding module adds NOPs only where a step reads what the step before it just wrote.
#include "codegen/arithmetic_routines.h"

#include "codegen/codegen.h"
#include "codegen/media/machine_sequences.h"
#include "isa/instructions.h"
#include "machine/machine.h"

namespace {

class ROUTINE_WRITER {
 public:
  explicit ROUTINE_WRITER(CODEGEN& g)
      : g(g),
        a(g.roles.couple_low()),
        b(g.roles.couple_high()),
        x(g.roles.extra_temporary()),
        q(g.roles.long_jump_low()) {}

  template <class INSTRUCTION, class... OPERANDS>
  INSTRUCTION& emit(OPERANDS&&... operands) {
    return g.code.emit<INSTRUCTION>(std::forward<OPERANDS>(operands)...);
  }
  // A forward branch whose landing this writer schedules.
  template <class BRANCH, class... OPERANDS>
  BRANCH& skip(OPERANDS&&... operands) {
    BRANCH& branch = emit<BRANCH>(std::forward<OPERANDS>(operands)..., 0);
    branch.mark_scheduled_target();
    return branch;
  }
  void land(ASM_BR& branch) { branch.set_target(g.code.here(), g.code.rom()); }

  // negated := -negated when tested is negative (the most negative value stays as it is,
  // which is its magnitude read unsigned).
  void negate_when_negative(REGISTER& tested, REGISTER& negated) {
    emit<CMPI>(&tested, 0);
    RB0& positive = skip<RB0>('N');
    emit<NEG>(&negated);
    land(positive);
  }

  CODEGEN& g;
  REGISTER& a;  // the left operand
  REGISTER& b;  // the right operand
  REGISTER& x;  // the product, the remainder
  REGISTER& q;  // the quotient
};

// x := a * b, low bits: for each bit of b from the lowest, a shifted once more is added when
// the bit is set. 4 periods per set bit, 6 per clear one.
void write_multiply(ROUTINE_WRITER& w) {
  const int width = w.g.width();
  w.emit<EOR>(&w.x, &w.x);
  for (int bit = 0; bit < width; ++bit) {
    w.emit<LSR>(&w.b);
    RB0& clear = w.skip<RB0>('C');
    w.emit<ADD>(&w.x, &w.a);
    w.land(clear);
    if (bit + 1 < width) w.emit<LSL>(&w.a);
  }
}

// q := a / b and x := a % b, unsigned, by restoring division: the remainder takes the next
// bit of a and gives up b when it holds it. A divisor with its top bit set goes once at most,
// which keeps the doubled remainder within the width. Division by 0 gives q all ones, x = a.
void write_unsigned_division(ROUTINE_WRITER& w) {
  const int width = w.g.width();
  w.emit<EOR>(&w.x, &w.x);
  w.emit<EOR>(&w.q, &w.q);
  w.emit<CMPI>(&w.b, 0);
  RB0& small_divisor = w.skip<RB0>('N');
  w.emit<TFR>(&w.x, &w.a);
  w.emit<CMP>(&w.a, &w.b);
  RB1& below = w.skip<RB1>('C');
  w.emit<SUB>(&w.x, &w.b);
  w.emit<BITSET>(&w.q, 0);
  w.land(below);
  RJMP& done = w.skip<RJMP>();
  w.land(small_divisor);
  for (int bit = width - 1; bit >= 0; --bit) {
    w.emit<LSL>(&w.a);
    w.emit<ROL>(&w.x);
    w.emit<CMP>(&w.x, &w.b);
    RB1& short_of_b = w.skip<RB1>('C');
    w.emit<SUB>(&w.x, &w.b);
    w.emit<BITSET>(&w.q, bit);
    w.land(short_of_b);
  }
  w.land(done);
}

// The signed forms through the unsigned one: the quotient is negative when the signs differ
// (but stays all ones for a divisor of 0), the remainder has the dividend's sign.
void write_signed_division(ROUTINE_WRITER& w) {
  const int32_t dividend_sign = w.g.machine.ram.allocate(1);
  const int32_t quotient_sign = w.g.machine.ram.allocate(1);
  store_to_ram(w.g, w.a, dividend_sign);
  w.emit<TFR>(&w.x, &w.a);
  w.emit<EOR>(&w.x, &w.b);
  w.emit<CMPI>(&w.b, 0);
  RB0& divisor_not_zero = w.skip<RB0>('Z');
  w.emit<EOR>(&w.x, &w.x);
  w.land(divisor_not_zero);
  store_to_ram(w.g, w.x, quotient_sign);
  w.negate_when_negative(w.a, w.a);
  w.negate_when_negative(w.b, w.b);
  write_unsigned_division(w);
  load_from_ram(w.g, quotient_sign, w.a);
  w.negate_when_negative(w.a, w.q);
  load_from_ram(w.g, dividend_sign, w.a);
  w.negate_when_negative(w.a, w.x);
}

void write(ROUTINE_WRITER& w, ARITHMETIC_ROUTINE routine) {
  switch (routine) {
    case ARITHMETIC_ROUTINE::multiply:
      return write_multiply(w);
    case ARITHMETIC_ROUTINE::unsigned_divide:
      return write_unsigned_division(w);
    case ARITHMETIC_ROUTINE::signed_divide:
      return write_signed_division(w);
  }
}

}  // namespace

void ARITHMETIC_ROUTINES::call(CODEGEN& g, ARITHMETIC_ROUTINE routine) {
  CALLS& calls = calls_[static_cast<int>(routine)];
  if (calls.sites.empty()) calls.first = g.code.position;
  calls.sites.push_back(&g.code.emit<RCALL>(0));
}

bool ARITHMETIC_ROUTINES::any_called() const {
  for (const CALLS& calls : calls_)
    if (!calls.sites.empty()) return true;
  return false;
}

// A breakpoint on the line of a routine's first use stops at that use, not inside the routine.
void ARITHMETIC_ROUTINES::lay_out(CODEGEN& g) {
  for (int k = 0; k < routine_count; ++k) {
    CALLS& calls = calls_[k];
    if (calls.sites.empty()) continue;
    AT_POSITION at(g.code, calls.first);
    const int32_t start = g.code.here();
    ROUTINE_WRITER writer(g);
    write(writer, static_cast<ARITHMETIC_ROUTINE>(k));
    g.code.emit<RET>();
    for (int32_t i = start; i < g.code.here(); ++i) g.code.rom().fetch(i)->refuse_line_breakpoint();
    for (RCALL* site : calls.sites) site->set_target(start, g.code.rom());
  }
}

void ARITHMETIC_ROUTINES::reset() {
  for (CALLS& calls : calls_) calls = CALLS{};
}

REGISTER& ARITHMETIC_ROUTINES::product(CODEGEN& g) {
  return g.roles.extra_temporary();
}

REGISTER& ARITHMETIC_ROUTINES::quotient(CODEGEN& g) {
  return g.roles.long_jump_low();
}

REGISTER& ARITHMETIC_ROUTINES::remainder(CODEGEN& g) {
  return g.roles.extra_temporary();
}
