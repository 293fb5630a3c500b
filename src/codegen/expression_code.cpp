// Dispatch of the expression operations over the node families, with the generic truth test
// (the value compared with 0) and the generic side effects (the value computed and dropped).
#include "codegen/expression_code.h"

#include "cfront/assignments.h"
#include "cfront/binary.h"
#include "cfront/c_name.h"
#include "cfront/calls.h"
#include "cfront/relational.h"
#include "cfront/unary.h"
#include "codegen/codegen.h"
#include "codegen/media/storage_medium.h"

EXPRESSION* resolved(EXPRESSION* expression) {
  while (auto* name = dynamic_cast<NAME*>(expression)) {
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
  for (auto family :
       {operand_medium, arithmetic_medium, condition_medium, assignment_medium, call_value_medium})
    if (STORAGE_MEDIUM* m = family(g, e)) return *m;
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
bool side_effects_of_operands(CODEGEN& g, EXPRESSION* e) {
  if (dynamic_cast<LOGICAL*>(e) != nullptr) return false;  // the second runs only sometimes
  if (auto* binary = dynamic_cast<BINARY*>(e)) {
    side_effects(g, binary->left);
    side_effects(g, binary->right);
    return true;
  }
  if (dynamic_cast<UNARY_AND*>(e) != nullptr || dynamic_cast<UNARY_MINUS*>(e) != nullptr ||
      dynamic_cast<UNARY_STAR*>(e) != nullptr) {
    side_effects(g, static_cast<UNARY*>(e)->operand);
    return true;
  }
  return false;
}

}  // namespace

void side_effects(CODEGEN& g, EXPRESSION* expression) {
  EXPRESSION* e = resolved(expression);
  if (e == nullptr || e->is_constant()) return;
  AT_POSITION at(g.code, e->position_of());
  if (assignment_side_effects(g, e) || call_side_effects(g, e) || side_effects_of_operands(g, e))
    return;
  if (named_medium(g, e) != nullptr) return;
  medium(g, e).release(g);
}
