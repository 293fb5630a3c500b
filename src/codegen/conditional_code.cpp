// `c ? a : b`: the test jumps to b's code when c does not hold; a's code ends with a jump past
// b's. Both write the same temporary, taken before either runs.
#include "cfront/conditional.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/storage_medium.h"
#include "isa/instructions.h"

namespace {

template <class OPERAND_CODE>
void branches(CODEGEN& g, CONDITIONAL& node, OPERAND_CODE operand_code) {
  const int32_t to_if_false = jump_if(g, node.condition, false);
  operand_code(node.if_true);
  RJMP& past = g.code.emit<RJMP>(0);
  g.sm.fill_jump_slots(to_if_false, g.code.here());
  operand_code(node.if_false);
  past.set_target(g.code.here(), g.code.rom());
}

}  // namespace

STORAGE_MEDIUM& conditional_value(CODEGEN& g, CONDITIONAL& node) {
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  branches(g, node, [&g, &t](EXPRESSION* operand) {
    STORAGE_MEDIUM& v = medium(g, operand);
    t.assign(g, v);
    v.release(g);
  });
  return t;
}

void conditional_side_effects(CODEGEN& g, CONDITIONAL& node) {
  branches(g, node, [&g](EXPRESSION* operand) { side_effects(g, operand); });
}
