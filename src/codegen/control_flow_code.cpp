// Conditions branch through the long-jump registers to targets loaded into jump slots;
// unconditional jumps are RJMPs. A constant true loop condition needs no test. A return or
// exit in main leaves the program: there is no return address for a RET there.
#include "base/kind_cast.h"
#include "cfront/c_function.h"
#include "cfront/calls.h"
#include "cfront/constant.h"
#include "cfront/statements.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/storage_medium.h"
#include "codegen/statement_code.h"
#include "isa/instructions.h"

namespace {

int32_t here(CODEGEN& g) {
  return g.code.here();
}

void aim(CODEGEN& g, ASM_BR& branch, int32_t target) {
  branch.set_target(target, g.code.rom());
}

bool is_always_true(EXPRESSION* condition) {
  auto* constant = kind_cast<DECIMAL_CONSTANT>(resolved(condition));
  return constant != nullptr && constant->value != 0;
}

void aim_all(CODEGEN& g, const std::vector<RJMP*>& jumps, int32_t target) {
  for (RJMP* jump : jumps) aim(g, *jump, target);
}

// A loop's body with its breaks and continues collected, to be aimed once the loop is laid out.
CODEGEN::LOOP_JUMPS generate_body(CODEGEN& g, STATEMENT* body) {
  g.loops.emplace_back();
  generate(g, body);
  CODEGEN::LOOP_JUMPS jumps = std::move(g.loops.back());
  g.loops.pop_back();
  return jumps;
}

// The loop's test at top (none for a constant true condition), the body, the step, the jump.
// A continue goes to the step, a break past the loop.
void generate_loop(CODEGEN& g, EXPRESSION* condition, STATEMENT* body, EXPRESSION* step) {
  const int32_t top = here(g);
  const bool tested = condition != nullptr && !is_always_true(condition);
  const int32_t slot = tested ? jump_if(g, condition, false) : -1;
  const CODEGEN::LOOP_JUMPS jumps = generate_body(g, body);
  aim_all(g, jumps.continues, here(g));
  if (step != nullptr) side_effects(g, step);
  aim(g, g.code.emit<RJMP>(0), top);
  if (tested) g.sm.fill_jump_slots(slot, here(g));
  aim_all(g, jumps.breaks, here(g));
}

bool in_main(const CODEGEN& g) {
  return g.current_function == g.program_main();
}

}  // namespace

void generate_if(CODEGEN& g, IF_ELSE& node) {
  const bool then_empty = is_empty(g, node.then_statement);
  const bool else_empty = is_empty(g, node.else_statement);
  if (then_empty && else_empty) {
    side_effects(g, node.condition);
  } else if (then_empty) {
    const int32_t slot = jump_if(g, node.condition, true);
    generate(g, node.else_statement);
    g.sm.fill_jump_slots(slot, here(g));
  } else if (else_empty) {
    const int32_t slot = jump_if(g, node.condition, false);
    generate(g, node.then_statement);
    g.sm.fill_jump_slots(slot, here(g));
  } else {
    const int32_t slot = jump_if(g, node.condition, false);
    generate(g, node.then_statement);
    RJMP& skip = g.code.emit<RJMP>(0);
    g.sm.fill_jump_slots(slot, here(g));
    generate(g, node.else_statement);
    aim(g, skip, here(g));
  }
}

void generate_while(CODEGEN& g, WHILE& node) {
  generate_loop(g, node.condition, node.body, nullptr);
}

// A continue goes to the test, a break past it.
void generate_do_while(CODEGEN& g, DO_WHILE& node) {
  const int32_t top = here(g);
  const CODEGEN::LOOP_JUMPS jumps = generate_body(g, node.body);
  aim_all(g, jumps.continues, here(g));
  const int32_t slot = jump_if(g, node.condition, true);
  g.sm.fill_jump_slots(slot, top);
  aim_all(g, jumps.breaks, here(g));
}

void generate_break(CODEGEN& g, BREAK& node) {
  if (node.leaves_switch) {
    if (g.switch_breaks.empty()) g.internal_error("a break outside a switch");
    g.switch_breaks.back().push_back(&g.code.emit<RJMP>(0));
    return;
  }
  if (g.loops.empty()) g.internal_error("a break outside a loop");
  g.loops.back().breaks.push_back(&g.code.emit<RJMP>(0));
}

void generate_continue(CODEGEN& g) {
  if (g.loops.empty()) g.internal_error("a continue outside a loop");
  g.loops.back().continues.push_back(&g.code.emit<RJMP>(0));
}

void generate_for(CODEGEN& g, FOR& node) {
  if (node.initial != nullptr) side_effects(g, node.initial);
  generate_loop(g, node.condition, node.body, node.step);
}

void generate_goto(CODEGEN& g, GOTO& node) {
  RJMP& jump = g.code.emit<RJMP>(0);
  if (node.label == nullptr) g.internal_error("a goto without its label");
  if (node.label->address >= 0)
    aim(g, jump, node.label->address);
  else
    g.pending_gotos[node.label].push_back(&jump);
}

void generate_label(CODEGEN& g, LABEL& node) {
  node.address = here(g);
  for (RJMP* jump : g.pending_gotos[&node]) aim(g, *jump, node.address);
  g.pending_gotos.erase(&node);
}

void generate_return(CODEGEN& g) {
  if (in_main(g))
    g.exit_jumps.push_back(&g.code.emit<RJMP>(0));
  else
    g.code.emit<RET>();
}

void generate_return(CODEGEN& g, RETURN_EXPRESSION& node) {
  EXPRESSION* e = resolved(node.expression);
  auto* call = kind_cast<FUNCTION_CALL>(e);
  STORAGE_MEDIUM& v = call != nullptr ? call_result_medium(g, *call) : medium(g, e);
  if (!in_main(g)) {
    STORAGE_MEDIUM* result = g.functions[g.current_function].result;
    if (result != nullptr) result->assign(g, v);
  }
  v.release(g);
  generate_return(g);
}

// The value is computed once and tested against each case in source order; a match runs the
// case's statements and leaves the switch, as a break does; default runs when none matches.
// While a case's statements run, the value's temporary is free: the next test is reached only
// from the failed test before it, which still finds the value there.
void generate_switch(CODEGEN& g, SWITCH& node) {
  STORAGE_MEDIUM& v = in_simple_medium(g, medium(g, node.expression));
  const bool temporary = g.sm.is_temporary(v);
  g.switch_breaks.emplace_back();
  std::vector<RJMP*> ends;
  for (CASE* clause : node.cases) {
    if (clause->value == nullptr) continue;
    AT_POSITION at(g.code, clause->expression->position_of());
    const int32_t slot = g.sm.reserve_jump_slots();
    v.compare(g, g.pool.constant_medium(g, *clause->value));
    g.sm.emit_indirect_branch(false, 'Z');
    if (temporary) g.sm.release_temporary(v);
    generate(g, clause->statement);
    ends.push_back(&g.code.emit<RJMP>(0));
    g.sm.fill_jump_slots(slot, here(g));
    if (temporary) g.sm.retake(v);
  }
  v.release(g);
  if (node.default_clause != nullptr) generate(g, node.default_clause->statement);
  for (RJMP* end : ends) aim(g, *end, here(g));
  aim_all(g, g.switch_breaks.back(), here(g));
  g.switch_breaks.pop_back();
}
