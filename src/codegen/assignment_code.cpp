// Assignments and the postfix increments. A compound assignment or an increment works out its
// target's location once and reads and writes it there, so `*p++ += 5` and `a[i]++` change
// the word they name and step p only once.
#include "base/kind_cast.h"
#include "cfront/assignments.h"
#include "cfront/calls.h"
#include "cfront/pointer_steps.h"
#include "cfront/unary.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/storage_medium.h"
#include "codegen/structure_code.h"

namespace {

// x = f() keeps f's result medium as the value stored; any other source is its medium.
STORAGE_MEDIUM& source_medium(CODEGEN& g, EXPRESSION* source) {
  if (auto* call = kind_cast<FUNCTION_CALL>(resolved(source))) return call_result_medium(g, *call);
  return medium(g, source);
}

bool is_register_or_ram(const STORAGE_MEDIUM& m) {
  return m.kind() == MEDIUM_KIND::register_medium || m.kind() == MEDIUM_KIND::ram;
}

}  // namespace

STORAGE_MEDIUM& simple_assignment(CODEGEN& g, ASSIGNMENT& node) {
  if (is_structure(g, node.target)) return structure_assignment(g, node);
  STORAGE_MEDIUM& v = source_medium(g, node.source);
  store(g, node.target, v);
  return v;
}

STORAGE_MEDIUM& combining_assignment(CODEGEN& g, ASSIGNMENT& node, COMBINE combine) {
  STORAGE_MEDIUM& v = medium(g, node.source);
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, v);
  v.release(g);
  STORAGE_MEDIUM& x = location(g, node.target);
  (t.*combine)(g, x);
  x.assign(g, t);
  x.release(g);
  return t;
}

// The value is the target's location itself, subtracted in place.
STORAGE_MEDIUM& minus_assignment(CODEGEN& g, ASSIGNMENT& node) {
  STORAGE_MEDIUM& v = medium(g, node.source);
  STORAGE_MEDIUM& x = location(g, node.target);
  x.subtract_assign(g, v);
  v.release(g);
  return x;
}

// An element shifted by a variable count is shifted in a temporary and written back once.
STORAGE_MEDIUM& shift_assignment(CODEGEN& g, SHIFT_ASSIGNMENT& node, bool left) {
  if (node.constant_count) {
    STORAGE_MEDIUM& x = location(g, node.target);
    if (left)
      x.shift_left(g, node.count);
    else
      x.shift_right(g, node.count);
    return x;
  }
  STORAGE_MEDIUM& v = medium(g, node.source);
  STORAGE_MEDIUM& k = g.sm.take_temporary_medium();
  k.assign(g, v);
  v.release(g);
  STORAGE_MEDIUM& x = location(g, node.target);
  if (is_register_or_ram(x)) {
    emit_shift_loop(g, x, k, left);
    return x;
  }
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, x);
  emit_shift_loop(g, t, k, left);
  x.assign(g, t);
  x.release(g);
  return t;
}

// The old value in a temporary, then the location stepped (a pointer by its element's words).
STORAGE_MEDIUM& post_step(CODEGEN& g, UNARY& node, int32_t step) {
  step *= pointed_to_words(node.operand->type_of(g.program));
  STORAGE_MEDIUM& x = location(g, node.operand);
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, x);
  x.add_constant(g, step);
  x.release(g);
  return t;
}

// An increment as a statement makes no copy.
void step_in_place(CODEGEN& g, UNARY& node, int32_t step) {
  step *= pointed_to_words(node.operand->type_of(g.program));
  STORAGE_MEDIUM& x = location(g, node.operand);
  x.add_constant(g, step);
  x.release(g);
}
