// Dispatch of the expression operations over the expression kinds, with the generic truth test
// (the value compared with 0) and the generic side effects (the value computed and dropped).
#include "codegen/expression_code.h"

#include "base/kind_cast.h"
#include "cfront/assignments.h"
#include "cfront/binary.h"
#include "cfront/c_name.h"
#include "cfront/calls.h"
#include "cfront/conditional.h"
#include "cfront/constant.h"
#include "cfront/relational.h"
#include "cfront/unary.h"
#include "codegen/codegen.h"
#include "codegen/media/storage_medium.h"

EXPRESSION* resolved(EXPRESSION* expression) {
  while (auto* name = kind_cast<NAME>(expression)) {
    if (name->resolution == nullptr || name->resolution == name) break;
    expression = name->resolution;
  }
  return expression;
}

STORAGE_MEDIUM& in_simple_medium(CODEGEN& g, STORAGE_MEDIUM& m) {
  if (m.kind() != MEDIUM_KIND::rom && m.kind() != MEDIUM_KIND::pointer) return m;
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, m);
  m.release(g);
  return t;
}

STORAGE_MEDIUM& medium(CODEGEN& g, EXPRESSION* expression) {
  EXPRESSION* e = resolved(expression);
  if (e == nullptr) g.internal_error("an expression is missing");
  AT_POSITION at(g.code, e->position_of());
  switch (e->kind()) {
    case EXPRESSION_KIND::decimal_constant:
      return g.pool.constant_medium(g, static_cast<DECIMAL_CONSTANT&>(*e));
    case EXPRESSION_KIND::local_variable:
    case EXPRESSION_KIND::global_variable:
    case EXPRESSION_KIND::argument:
    case EXPRESSION_KIND::register_from_c:
      return *named_medium(g, e);
    case EXPRESSION_KIND::pointer_usage:
      return indexed_medium(g, static_cast<POINTER_USAGE&>(*e));
    case EXPRESSION_KIND::binary_plus:
      return sum(g, static_cast<BINARY&>(*e));
    case EXPRESSION_KIND::binary_minus:
      return combination(g, static_cast<BINARY&>(*e), &STORAGE_MEDIUM::subtract_assign);
    case EXPRESSION_KIND::multiply:
      return multiplicative_value(g, static_cast<BINARY&>(*e), MULTIPLICATIVE_OPERATION::multiply);
    case EXPRESSION_KIND::divide:
      return multiplicative_value(g, static_cast<BINARY&>(*e), MULTIPLICATIVE_OPERATION::divide);
    case EXPRESSION_KIND::modulo:
      return multiplicative_value(g, static_cast<BINARY&>(*e), MULTIPLICATIVE_OPERATION::modulo);
    case EXPRESSION_KIND::comma:
      side_effects(g, static_cast<BINARY&>(*e).left);
      return medium(g, static_cast<BINARY&>(*e).right);
    case EXPRESSION_KIND::cast:
      return medium(g, static_cast<UNARY&>(*e).operand);
    case EXPRESSION_KIND::conditional:
      return conditional_value(g, static_cast<CONDITIONAL&>(*e));
    case EXPRESSION_KIND::basic_and:
      return combination(g, static_cast<BINARY&>(*e), &STORAGE_MEDIUM::and_assign);
    case EXPRESSION_KIND::inclusive_or:
      return combination(g, static_cast<BINARY&>(*e), &STORAGE_MEDIUM::or_assign);
    case EXPRESSION_KIND::exclusive_or:
      return combination(g, static_cast<BINARY&>(*e), &STORAGE_MEDIUM::xor_assign);
    case EXPRESSION_KIND::shift_left:
      return shift(g, static_cast<SHIFT&>(*e), true);
    case EXPRESSION_KIND::shift_right:
      return shift(g, static_cast<SHIFT&>(*e), false);
    case EXPRESSION_KIND::unary_minus:
      return negation(g, static_cast<UNARY&>(*e));
    case EXPRESSION_KIND::unary_and:
      return address_of(g, static_cast<UNARY&>(*e));
    case EXPRESSION_KIND::unary_star:
      return dereference(g, static_cast<UNARY&>(*e));
    case EXPRESSION_KIND::relational_eq:
    case EXPRESSION_KIND::relational_neq:
    case EXPRESSION_KIND::relational_lt:
    case EXPRESSION_KIND::relational_le:
    case EXPRESSION_KIND::relational_gt:
    case EXPRESSION_KIND::relational_ge:
      return relational_value(g, *e);
    case EXPRESSION_KIND::logical_and:
      return logical_value(g, static_cast<LOGICAL&>(*e), true);
    case EXPRESSION_KIND::logical_or:
      return logical_value(g, static_cast<LOGICAL&>(*e), false);
    case EXPRESSION_KIND::simple_assignment:
      return simple_assignment(g, static_cast<ASSIGNMENT&>(*e));
    case EXPRESSION_KIND::plus_assignment:
      return combining_assignment(g, static_cast<ASSIGNMENT&>(*e), &STORAGE_MEDIUM::add_assign);
    case EXPRESSION_KIND::and_assignment:
      return combining_assignment(g, static_cast<ASSIGNMENT&>(*e), &STORAGE_MEDIUM::and_assign);
    case EXPRESSION_KIND::or_assignment:
      return combining_assignment(g, static_cast<ASSIGNMENT&>(*e), &STORAGE_MEDIUM::or_assign);
    case EXPRESSION_KIND::xor_assignment:
      return combining_assignment(g, static_cast<ASSIGNMENT&>(*e), &STORAGE_MEDIUM::xor_assign);
    case EXPRESSION_KIND::minus_assignment:
      return minus_assignment(g, static_cast<ASSIGNMENT&>(*e));
    case EXPRESSION_KIND::multiply_assignment:
      return multiplicative_assignment(g, static_cast<ASSIGNMENT&>(*e),
                                       MULTIPLICATIVE_OPERATION::multiply);
    case EXPRESSION_KIND::divide_assignment:
      return multiplicative_assignment(g, static_cast<ASSIGNMENT&>(*e),
                                       MULTIPLICATIVE_OPERATION::divide);
    case EXPRESSION_KIND::modulo_assignment:
      return multiplicative_assignment(g, static_cast<ASSIGNMENT&>(*e),
                                       MULTIPLICATIVE_OPERATION::modulo);
    case EXPRESSION_KIND::shift_left_assignment:
      return shift_assignment(g, static_cast<SHIFT_ASSIGNMENT&>(*e), true);
    case EXPRESSION_KIND::shift_right_assignment:
      return shift_assignment(g, static_cast<SHIFT_ASSIGNMENT&>(*e), false);
    case EXPRESSION_KIND::unary_postfix_plus_plus:
      return post_step(g, static_cast<UNARY&>(*e), 1);
    case EXPRESSION_KIND::unary_postfix_minus_minus:
      return post_step(g, static_cast<UNARY&>(*e), -1);
    case EXPRESSION_KIND::function_call:
      return call_value_medium(g, static_cast<FUNCTION_CALL&>(*e));
    case EXPRESSION_KIND::size_of:  // a constant once simplified
    case EXPRESSION_KIND::name:
      break;
  }
  g.internal_error("an expression of an unknown kind");
}

int32_t jump_if(CODEGEN& g, EXPRESSION* expression, bool when_true) {
  EXPRESSION* e = resolved(expression);
  AT_POSITION at(g.code, e->position_of());
  int32_t slot = -1;
  if (relational_jump_if(g, e, when_true, slot)) return slot;
  STORAGE_MEDIUM& v = medium(g, e);
  slot = g.sm.reserve_jump_slots();
  v.compare_constant(g, 0);
  v.release(g);
  g.sm.emit_indirect_branch(!when_true, 'Z');
  return slot;
}

namespace {

// Operators whose side effects are those of their operands: both, left first.
void side_effects_of_operands(CODEGEN& g, BINARY& node) {
  side_effects(g, node.left);
  side_effects(g, node.right);
}

}  // namespace

// A named operand gets its medium and no code; && and || compute their value, since their
// second operand runs only sometimes.
void side_effects(CODEGEN& g, EXPRESSION* expression) {
  EXPRESSION* e = resolved(expression);
  if (e == nullptr || e->is_constant()) return;
  AT_POSITION at(g.code, e->position_of());
  switch (e->kind()) {
    case EXPRESSION_KIND::decimal_constant:
      return;
    case EXPRESSION_KIND::local_variable:
    case EXPRESSION_KIND::global_variable:
    case EXPRESSION_KIND::argument:
    case EXPRESSION_KIND::register_from_c:
      named_medium(g, e);
      return;
    case EXPRESSION_KIND::binary_plus:
    case EXPRESSION_KIND::binary_minus:
    case EXPRESSION_KIND::multiply:
    case EXPRESSION_KIND::divide:
    case EXPRESSION_KIND::modulo:
    case EXPRESSION_KIND::comma:
    case EXPRESSION_KIND::basic_and:
    case EXPRESSION_KIND::inclusive_or:
    case EXPRESSION_KIND::exclusive_or:
    case EXPRESSION_KIND::shift_left:
    case EXPRESSION_KIND::shift_right:
    case EXPRESSION_KIND::relational_eq:
    case EXPRESSION_KIND::relational_neq:
    case EXPRESSION_KIND::relational_lt:
    case EXPRESSION_KIND::relational_le:
    case EXPRESSION_KIND::relational_gt:
    case EXPRESSION_KIND::relational_ge:
      return side_effects_of_operands(g, static_cast<BINARY&>(*e));
    case EXPRESSION_KIND::unary_and:
    case EXPRESSION_KIND::unary_minus:
    case EXPRESSION_KIND::unary_star:
    case EXPRESSION_KIND::cast:
      return side_effects(g, static_cast<UNARY&>(*e).operand);
    case EXPRESSION_KIND::conditional:
      return conditional_side_effects(g, static_cast<CONDITIONAL&>(*e));
    case EXPRESSION_KIND::unary_postfix_plus_plus:
      return step_in_place(g, static_cast<UNARY&>(*e), 1);
    case EXPRESSION_KIND::unary_postfix_minus_minus:
      return step_in_place(g, static_cast<UNARY&>(*e), -1);
    case EXPRESSION_KIND::function_call: {
      auto& call = static_cast<FUNCTION_CALL&>(*e);
      STORAGE_MEDIUM& result = call_result_medium(g, call);
      if (call.pointer != nullptr) result.release(g);
      return;
    }
    case EXPRESSION_KIND::logical_and:
    case EXPRESSION_KIND::logical_or:
    case EXPRESSION_KIND::simple_assignment:
    case EXPRESSION_KIND::plus_assignment:
    case EXPRESSION_KIND::and_assignment:
    case EXPRESSION_KIND::or_assignment:
    case EXPRESSION_KIND::xor_assignment:
    case EXPRESSION_KIND::multiply_assignment:
    case EXPRESSION_KIND::divide_assignment:
    case EXPRESSION_KIND::modulo_assignment:
    case EXPRESSION_KIND::minus_assignment:
    case EXPRESSION_KIND::shift_left_assignment:
    case EXPRESSION_KIND::shift_right_assignment:
    case EXPRESSION_KIND::pointer_usage:
      return medium(g, e).release(g);
    case EXPRESSION_KIND::size_of:
    case EXPRESSION_KIND::name:
      break;
  }
  g.internal_error("an expression of an unknown kind");
}
