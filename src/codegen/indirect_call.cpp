// A call through a function pointer. Every function has its own fixed parameter and result
// media, so the callee must be known where the arguments are stored: the pointer's value (a
// function's number) is compared with each candidate's number, and a match branches to a direct
// call of that candidate, whose result is copied into the call's one result temporary. The
// pointer's temporary is done with before any call, so no candidate can overwrite it; the
// arguments are computed once, before the tests. All branches are jump slots or relative, which
// the forwarding module re-aims when it pads the code.
#include <vector>

#include "cfront/c_function.h"
#include "cfront/calls.h"
#include "cfront/function_pointer.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/dev_null_sm.h"
#include "codegen/media/storage_medium.h"
#include "isa/instructions.h"

namespace {

// Jump slots per candidate, taken when the pointer holds its number.
std::vector<int32_t> emit_candidate_tests(CODEGEN& g, const FUNCTION_CALL& call,
                                          STORAGE_MEDIUM& pointer) {
  std::vector<int32_t> slots;
  for (const FUNCTION_CALL* candidate : call.candidates) {
    slots.push_back(g.sm.reserve_jump_slots());
    pointer.compare_constant(g, candidate->function->pointer_number);
    g.sm.emit_indirect_branch(true, 'Z');
  }
  return slots;
}

}  // namespace

STORAGE_MEDIUM& call_through_pointer(CODEGEN& g, FUNCTION_CALL& call) {
  const std::vector<STORAGE_MEDIUM*> held = g.sm.temporaries_in_use();
  STORAGE_MEDIUM& value = medium(g, call.pointer);
  STORAGE_MEDIUM& pointer = g.sm.take_temporary_medium();
  pointer.assign(g, value);
  value.release(g);
  const std::vector<STORAGE_MEDIUM*> arguments = evaluated_arguments(g, call);
  const bool gives_value = !call.pointer_type->return_type->is_void();
  STORAGE_MEDIUM* result = gives_value ? &g.sm.take_temporary_medium() : nullptr;
  const std::vector<int32_t> slots = emit_candidate_tests(g, call, pointer);
  pointer.release(g);
  std::vector<RJMP*> to_end{&g.code.emit<RJMP>(0)};
  for (std::size_t k = 0; k < call.candidates.size(); ++k) {
    g.sm.fill_jump_slots(slots[k], g.code.here());
    STORAGE_MEDIUM& returned =
        call_with_arguments(g, *call.candidates[k]->function, held, arguments, false);
    if (result != nullptr) result->assign(g, returned);
    to_end.push_back(&g.code.emit<RJMP>(0));
  }
  for (RJMP* jump : to_end) jump->set_target(g.code.here(), g.code.rom());
  for (STORAGE_MEDIUM* argument : arguments) argument->release(g);
  if (result == nullptr) return g.make<DEV_NULL_SM>(nullptr);
  return *result;
}
