// `*`, `/`, `%` and their assignments. The operands go into the routine's registers straight
// from a register, a RAM word or a constant; any other medium (a pool word, an element) is
// copied into a temporary first, since reading it takes the scratch registers the routine's
// operands sit in. A multiplication by a power of two is a shift.
#include "base/kind_cast.h"
#include "cfront/assignments.h"
#include "cfront/binary.h"
#include "cfront/constant.h"
#include "codegen/arithmetic_routines.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/register_sm.h"
#include "codegen/media/storage_medium.h"

namespace {

bool loads_without_scratch(const STORAGE_MEDIUM& m) {
  return m.kind() == MEDIUM_KIND::register_medium || m.kind() == MEDIUM_KIND::ram ||
         m.kind() == MEDIUM_KIND::immediate;
}

// The medium itself when it loads without scratch, else a temporary copy (m is not released).
STORAGE_MEDIUM& loadable(CODEGEN& g, STORAGE_MEDIUM& m) {
  if (loads_without_scratch(m)) return m;
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, m);
  return t;
}

void release_copy(CODEGEN& g, STORAGE_MEDIUM& copy, STORAGE_MEDIUM& original) {
  if (&copy != &original) copy.release(g);
}

// The routine's result for two loadable operands, in a fresh temporary.
STORAGE_MEDIUM& routine_value(CODEGEN& g, STORAGE_MEDIUM& left, STORAGE_MEDIUM& right,
                              ARITHMETIC_ROUTINE routine, REGISTER& result) {
  left.load_into_register(g, g.roles.couple_low());
  right.load_into_register(g, g.roles.couple_high());
  g.routines.call(g, routine);
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, g.register_medium(result.number));
  return t;
}

// k when the expression is the constant 2^k within the width, else -1.
int power_of_two(CODEGEN& g, EXPRESSION* e) {
  auto* constant = kind_cast<DECIMAL_CONSTANT>(resolved(e));
  if (constant == nullptr || constant->value <= 0) return -1;
  for (int k = 0; k < g.width(); ++k)
    if (constant->value == (int32_t{1} << k)) return k;
  return -1;
}

STORAGE_MEDIUM& shifted_copy(CODEGEN& g, STORAGE_MEDIUM& value, int count) {
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, value);
  if (count > 0) t.shift_left(g, count);
  return t;
}

ARITHMETIC_ROUTINE division_routine(CODEGEN& g, EXPRESSION* left, EXPRESSION* right) {
  return is_unsigned_operand(g, left) || is_unsigned_operand(g, right)
             ? ARITHMETIC_ROUTINE::unsigned_divide
             : ARITHMETIC_ROUTINE::signed_divide;
}

REGISTER& result_register(CODEGEN& g, MULTIPLICATIVE_OPERATION operation) {
  switch (operation) {
    case MULTIPLICATIVE_OPERATION::multiply:
      return ARITHMETIC_ROUTINES::product(g);
    case MULTIPLICATIVE_OPERATION::divide:
      return ARITHMETIC_ROUTINES::quotient(g);
    case MULTIPLICATIVE_OPERATION::modulo:
      return ARITHMETIC_ROUTINES::remainder(g);
  }
  g.internal_error("a multiplicative operation of an unknown kind");
}

ARITHMETIC_ROUTINE routine_for(CODEGEN& g, MULTIPLICATIVE_OPERATION operation, EXPRESSION* left,
                               EXPRESSION* right) {
  return operation == MULTIPLICATIVE_OPERATION::multiply ? ARITHMETIC_ROUTINE::multiply
                                                         : division_routine(g, left, right);
}

// left op right for the media of two operands, which it releases.
STORAGE_MEDIUM& multiplicative(CODEGEN& g, MULTIPLICATIVE_OPERATION operation, EXPRESSION* left,
                               STORAGE_MEDIUM& l, EXPRESSION* right, STORAGE_MEDIUM& r) {
  STORAGE_MEDIUM& left_operand = loadable(g, l);
  STORAGE_MEDIUM& right_operand = loadable(g, r);
  STORAGE_MEDIUM& t = routine_value(g, left_operand, right_operand,
                                    routine_for(g, operation, left, right),
                                    result_register(g, operation));
  release_copy(g, left_operand, l);
  release_copy(g, right_operand, r);
  return t;
}

}  // namespace

STORAGE_MEDIUM& multiplicative_value(CODEGEN& g, BINARY& node, MULTIPLICATIVE_OPERATION operation) {
  STORAGE_MEDIUM& r = medium(g, node.right);
  STORAGE_MEDIUM& l = medium(g, node.left);
  if (operation == MULTIPLICATIVE_OPERATION::multiply) {
    const int right_shift = power_of_two(g, node.right);
    const int left_shift = right_shift < 0 ? power_of_two(g, node.left) : -1;
    if (right_shift >= 0 || left_shift >= 0) {
      STORAGE_MEDIUM& t = right_shift >= 0 ? shifted_copy(g, l, right_shift)
                                           : shifted_copy(g, r, left_shift);
      l.release(g);
      r.release(g);
      return t;
    }
  }
  STORAGE_MEDIUM& t = multiplicative(g, operation, node.left, l, node.right, r);
  l.release(g);
  r.release(g);
  return t;
}

// The target's location is worked out once: read, combined, written back.
STORAGE_MEDIUM& multiplicative_assignment(CODEGEN& g, ASSIGNMENT& node,
                                          MULTIPLICATIVE_OPERATION operation) {
  STORAGE_MEDIUM& v = medium(g, node.source);
  STORAGE_MEDIUM& x = location(g, node.target);
  STORAGE_MEDIUM& t = multiplicative(g, operation, node.target, x, node.source, v);
  v.release(g);
  x.assign(g, t);
  x.release(g);
  return t;
}
