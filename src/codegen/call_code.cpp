// Calls. Parameters, locals and results have fixed media, so a call assigns the arguments to
// the callee's parameter media and RCALLs it; its value is the callee's result medium, copied
// into a fresh temporary where it is used as an operand (a second call would overwrite it).
// The caller's temporaries in use are kept in RAM across the call; where an argument holds a
// call, or the callee can reach the caller again, every argument is evaluated first; a
// recursive call keeps the caller's whole frame on the recursion stack.
#include <string>
#include <vector>

#include "cfront/assignments.h"
#include "cfront/binary.h"
#include "cfront/c_function.h"
#include "cfront/c_program.h"
#include "cfront/calls.h"
#include "cfront/conditional.h"
#include "cfront/unary.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/dev_null_sm.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/register_sm.h"
#include "isa/instructions.h"

namespace {

bool contains_call(CODEGEN& g, EXPRESSION* expression) {
  EXPRESSION* e = resolved(expression);
  if (e == nullptr) return false;
  switch (shape_of(e->kind())) {
    case EXPRESSION_SHAPE::call:
      return true;
    case EXPRESSION_SHAPE::binary: {
      auto& binary = static_cast<BINARY&>(*e);
      return contains_call(g, binary.left) || contains_call(g, binary.right);
    }
    case EXPRESSION_SHAPE::unary:
      return contains_call(g, static_cast<UNARY&>(*e).operand);
    case EXPRESSION_SHAPE::assignment: {
      auto& assignment = static_cast<ASSIGNMENT&>(*e);
      return contains_call(g, assignment.target) || contains_call(g, assignment.source);
    }
    case EXPRESSION_SHAPE::indexing: {
      auto& usage = static_cast<POINTER_USAGE&>(*e);
      return contains_call(g, usage.base) || contains_call(g, usage.index);
    }
    case EXPRESSION_SHAPE::conditional: {
      auto& conditional = static_cast<CONDITIONAL&>(*e);
      return contains_call(g, conditional.condition) || contains_call(g, conditional.if_true) ||
             contains_call(g, conditional.if_false);
    }
    case EXPRESSION_SHAPE::leaf:
      return false;
  }
  g.internal_error("an expression of an unknown kind");
}

std::vector<STORAGE_MEDIUM*> register_temporaries(const std::vector<STORAGE_MEDIUM*>& held) {
  std::vector<STORAGE_MEDIUM*> registers;
  for (STORAGE_MEDIUM* m : held)
    if (m->kind() == MEDIUM_KIND::register_medium) registers.push_back(m);
  return registers;
}

// The caller's temporary registers in its save words (one per register, made on first need).
void save_temporaries(CODEGEN& g, const std::vector<STORAGE_MEDIUM*>& registers) {
  std::vector<RAM_SM*>& words = g.functions[g.current_function].temporary_save_words;
  for (std::size_t k = 0; k < registers.size(); ++k) {
    if (k == words.size()) words.push_back(&g.new_ram_medium());
    words[k]->assign(g, *registers[k]);
  }
}

void restore_temporaries(CODEGEN& g, const std::vector<STORAGE_MEDIUM*>& registers) {
  std::vector<RAM_SM*>& words = g.functions[g.current_function].temporary_save_words;
  for (std::size_t k = 0; k < registers.size(); ++k) registers[k]->assign(g, *words[k]);
}

// What a recursive call must find again: the caller's parameters, its locals so far and the
// temporaries it holds.
std::vector<STORAGE_MEDIUM*> caller_frame(CODEGEN& g, const std::vector<STORAGE_MEDIUM*>& held) {
  FUNCTION_CODE& caller = g.functions[g.current_function];
  std::vector<STORAGE_MEDIUM*> frame = caller.parameters;
  frame.insert(frame.end(), caller.locals.begin(), caller.locals.end());
  frame.insert(frame.end(), held.begin(), held.end());
  return frame;
}

// A value the later arguments or the frame could change is copied into a temporary first.
STORAGE_MEDIUM& evaluated_argument(CODEGEN& g, EXPRESSION* argument) {
  STORAGE_MEDIUM& m = medium(g, argument);
  int32_t constant = 0;
  if (g.sm.is_temporary(m) || m.holds_constant(constant)) return m;
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, m);
  m.release(g);
  return t;
}

void emit_call(CODEGEN& g, FUNCTION_CODE& callee) {
  RCALL& call = g.code.emit<RCALL>(0);
  if (callee.start >= 0)
    call.set_target(callee.start, g.code.rom());
  else
    callee.call_sites.push_back(&call);
}

}  // namespace

STORAGE_MEDIUM& call_result_medium(CODEGEN& g, FUNCTION_CALL& call) {
  AT_POSITION at(g.code, call.position_of());
  if (call.pointer != nullptr) return call_through_pointer(g, call);
  if (call.function == nullptr) return built_in_call(g, call);
  FUNCTION_CODE& callee = g.functions[call.function];
  const std::vector<STORAGE_MEDIUM*> held = g.sm.temporaries_in_use();
  const bool recursive = g.recursion.is_recursive_call(g.current_function, call.function);
  bool evaluate_first = recursive;
  for (EXPRESSION* argument : call.arguments)
    evaluate_first = evaluate_first || contains_call(g, argument);
  const std::size_t count = std::min(call.arguments.size(), callee.parameters.size());
  std::vector<STORAGE_MEDIUM*> arguments;
  for (std::size_t k = 0; k < count; ++k) {
    if (!evaluate_first) {
      STORAGE_MEDIUM& v = medium(g, call.arguments[k]);
      callee.parameters[k]->assign(g, v);
      v.release(g);
      continue;
    }
    arguments.push_back(&evaluated_argument(g, call.arguments[k]));
  }
  return call_with_arguments(g, *call.function, held, arguments, true);
}

std::vector<STORAGE_MEDIUM*> evaluated_arguments(CODEGEN& g, const FUNCTION_CALL& call) {
  std::vector<STORAGE_MEDIUM*> arguments;
  for (EXPRESSION* argument : call.arguments) arguments.push_back(&evaluated_argument(g, argument));
  return arguments;
}

STORAGE_MEDIUM& call_with_arguments(CODEGEN& g, const C_FUNCTION& function,
                                    const std::vector<STORAGE_MEDIUM*>& held,
                                    const std::vector<STORAGE_MEDIUM*>& arguments,
                                    bool release_arguments) {
  FUNCTION_CODE& callee = g.functions[&function];
  const bool recursive = g.recursion.is_recursive_call(g.current_function, &function);
  const std::vector<STORAGE_MEDIUM*> saved =
      recursive ? caller_frame(g, held) : register_temporaries(held);
  if (recursive)
    g.recursion.push_frame(g, saved);
  else
    save_temporaries(g, saved);
  const std::size_t count = std::min(arguments.size(), callee.parameters.size());
  for (std::size_t k = 0; k < count; ++k) {
    callee.parameters[k]->assign(g, *arguments[k]);
    if (release_arguments) arguments[k]->release(g);
  }
  emit_call(g, callee);
  if (recursive)
    g.recursion.pop_frame(g, saved);
  else
    restore_temporaries(g, saved);
  return *callee.result;
}

// A call through a pointer or of a library function already gives a temporary of its own.
STORAGE_MEDIUM& call_value_medium(CODEGEN& g, FUNCTION_CALL& call) {
  STORAGE_MEDIUM& result = call_result_medium(g, call);
  if (result.kind() == MEDIUM_KIND::dev_null || call.built_in != nullptr || call.pointer != nullptr)
    return result;
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.assign(g, result);
  return t;
}
