// The arithmetic and bitwise operators, the unary operators and the shifts. Every result is a
// fresh temporary; for + - & | ^ the right operand is evaluated before the left one.
#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/binary.h"
#include "cfront/c_types.h"
#include "cfront/constant.h"
#include "cfront/unary.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/immediate_sm.h"
#include "codegen/media/machine_sequences.h"
#include "codegen/media/pointer_sm.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/register_sm.h"
#include "codegen/media/scratch.h"
#include "isa/instructions.h"
#include "machine/machine.h"

// a + b: the right operand copied into the temporary, the left one added.
STORAGE_MEDIUM& sum(CODEGEN& g, BINARY& node) {
  STORAGE_MEDIUM& r = medium(g, node.right);
  STORAGE_MEDIUM& l = medium(g, node.left);
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, r);
  r.release(g);
  t.add_assign(g, l);
  l.release(g);
  return t;
}

// a - b, a & b, a | b, a ^ b: the left operand copied, the right one combined into it.
STORAGE_MEDIUM& combination(CODEGEN& g, BINARY& node, COMBINING combine) {
  STORAGE_MEDIUM& r = medium(g, node.right);
  STORAGE_MEDIUM& l = medium(g, node.left);
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, l);
  l.release(g);
  (t.*combine)(g, r);
  r.release(g);
  return t;
}

STORAGE_MEDIUM& negation(CODEGEN& g, UNARY& node) {
  STORAGE_MEDIUM& v = medium(g, node.operand);
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, v);
  t.negate(g);
  v.release(g);
  return t;
}

// &5 has a RAM word of its own; &array is the array's address itself.
STORAGE_MEDIUM& address_of(CODEGEN& g, UNARY& node) {
  EXPRESSION* operand = resolved(node.operand);
  if (auto* constant = kind_cast<DECIMAL_CONSTANT>(operand)) {
    if (kind_cast<POINTER_TYPE>(constant->type) != nullptr)
      return g.pool.constant_medium(g, *constant);
    RAM_SM& word = g.new_ram_medium();
    word.load_constant(g, constant->value);
    STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
    load_address(g, t, word);
    return t;
  }
  STORAGE_MEDIUM& v = location(g, operand);
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  load_address(g, t, v);
  v.release(g);
  return t;
}

STORAGE_MEDIUM& dereference(CODEGEN& g, UNARY& node) {
  EXPRESSION* pointer = resolved(node.operand);
  if (pointer->is_constant()) return location(g, &node);
  STORAGE_MEDIUM& v = medium(g, pointer);
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign_dereferenced(g, v);
  v.release(g);
  return t;
}

STORAGE_MEDIUM& shift(CODEGEN& g, SHIFT& node, bool left) {
  STORAGE_MEDIUM& v = medium(g, node.left);
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, v);
  v.release(g);
  if (node.constant_count) {
    if (left)
      t.shift_left(g, node.count);
    else
      t.shift_right(g, node.count);
    return t;
  }
  STORAGE_MEDIUM& c = medium(g, node.right);
  STORAGE_MEDIUM& k = g.sm.take_temporary_medium();
  k.assign(g, c);
  c.release(g);
  emit_shift_loop(g, t, k, left);
  return t;
}

namespace {

// The pointer must fit one word: with wide RAM an address from 2^N up cannot be one.
void check_pointer_reach(CODEGEN& g, int32_t address) {
  if (g.wide_ram() && address >= (int32_t{1} << g.width()))
    g.error_handler.error_at(g.code.position, "This address does not fit into a one-word pointer.");
}

}  // namespace

void emit_shift_loop(CODEGEN& g, STORAGE_MEDIUM& value, STORAGE_MEDIUM& counter, bool left) {
  counter.compare_constant(g, 0);
  const int32_t top = g.code.last();
  RB1& exit = g.code.emit<RB1>('Z', 0);
  if (left)
    value.shift_left(g, 1);
  else
    value.shift_right(g, 1);
  counter.add_constant(g, -1);
  counter.release(g);
  RJMP& back = g.code.emit<RJMP>(0);
  back.set_target(top, g.code.rom());
  exit.set_target(g.code.here(), g.code.rom());
}

void load_address(CODEGEN& g, STORAGE_MEDIUM& target, STORAGE_MEDIUM& addressed) {
  if (auto* element = kind_cast<POINTER_SM>(&addressed)) {
    check_pointer_reach(g, element->base.address);
    IMMEDIATE_SM& base = g.make<IMMEDIATE_SM>(reduce_to_width(g, element->base.address));
    target.assign(g, base);
    target.add_assign(g, element->index);
    return;
  }
  auto* word = kind_cast<RAM_SM>(&addressed);
  if (word == nullptr) g.internal_error("the address of a value outside RAM taken");
  check_pointer_reach(g, word->address);
  if (auto* r = kind_cast<REGISTER_SM>(&target)) {
    constant_load(g, r->r, word->address);
    return;
  }
  auto* target_word = kind_cast<RAM_SM>(&target);
  if (target_word == nullptr) g.internal_error("an address loaded into an element");
  SCRATCH use(g);
  REGISTER& s = use.take();
  constant_load(g, s, word->address);
  store_to_ram(g, s, target_word->address);
}
