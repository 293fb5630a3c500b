// Assignments and the postfix increments. A compound assignment or an increment works out its
// target's location once and reads and writes it there, so `*p++ += 5` and `a[i]++` change
// the word they name and step p only once.
#include "cfront/assignments.h"
#include "cfront/calls.h"
#include "cfront/unary.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/storage_medium.h"

namespace {

// x = f() keeps f's result medium as the value stored; any other source is its medium.
STORAGE_MEDIUM& source_medium(CODEGEN& g, EXPRESSION* source) {
  if (auto* call = dynamic_cast<FUNCTION_CALL*>(resolved(source)))
    return call_result_medium(g, *call);
  return medium(g, source);
}

STORAGE_MEDIUM& simple_assignment(CODEGEN& g, ASSIGNMENT& node) {
  STORAGE_MEDIUM& v = source_medium(g, node.source);
  store(g, node.target, v);
  return v;
}

STORAGE_MEDIUM& plus_assignment(CODEGEN& g, ASSIGNMENT& node) {
  STORAGE_MEDIUM& v = medium(g, node.source);
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, v);
  v.release(g);
  STORAGE_MEDIUM& x = location(g, node.target);
  t.add_assign(g, x);
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

bool is_register_or_ram(const STORAGE_MEDIUM& m) {
  return m.kind() == MEDIUM_KIND::register_medium || m.kind() == MEDIUM_KIND::ram;
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

// The old value in a temporary, then the location stepped.
STORAGE_MEDIUM& post_step(CODEGEN& g, UNARY& node, int32_t step) {
  STORAGE_MEDIUM& x = location(g, node.operand);
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, x);
  x.add_constant(g, step);
  x.release(g);
  return t;
}

int32_t step_of(EXPRESSION* e) {
  if (dynamic_cast<UNARY_POSTFIX_PLUS_PLUS*>(e) != nullptr) return 1;
  if (dynamic_cast<UNARY_POSTFIX_MINUS_MINUS*>(e) != nullptr) return -1;
  return 0;
}

}  // namespace

STORAGE_MEDIUM* assignment_medium(CODEGEN& g, EXPRESSION* e) {
  if (auto* node = dynamic_cast<SIMPLE_ASSIGNMENT*>(e)) return &simple_assignment(g, *node);
  if (auto* node = dynamic_cast<PLUS_ASSIGNMENT*>(e)) return &plus_assignment(g, *node);
  if (auto* node = dynamic_cast<MINUS_ASSIGNMENT*>(e)) return &minus_assignment(g, *node);
  if (auto* node = dynamic_cast<SHIFT_LEFT_ASSIGNMENT*>(e))
    return &shift_assignment(g, *node, true);
  if (auto* node = dynamic_cast<SHIFT_RIGHT_ASSIGNMENT*>(e))
    return &shift_assignment(g, *node, false);
  if (const int32_t step = step_of(e)) return &post_step(g, *static_cast<UNARY*>(e), step);
  return nullptr;
}

// An assignment's value is dropped; an increment as a statement makes no copy.
bool assignment_side_effects(CODEGEN& g, EXPRESSION* e) {
  if (const int32_t step = step_of(e)) {
    STORAGE_MEDIUM& x = location(g, static_cast<UNARY*>(e)->operand);
    x.add_constant(g, step);
    x.release(g);
    return true;
  }
  if (dynamic_cast<ASSIGNMENT*>(e) == nullptr) return false;
  medium(g, e).release(g);
  return true;
}
