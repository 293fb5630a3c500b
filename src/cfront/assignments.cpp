// The assignments' checks. `=` first tests the types, before anything is simplified: a source
// `&x` needs a pointer target, any other source must conform to the target. Then, once only,
// the target is simplified and must be writable, and the source is simplified.
#include "cfront/assignments.h"

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/binary.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/constant.h"
#include "cfront/pointer_steps.h"
#include "cfront/unary.h"

EXPRESSION* ASSIGNMENT::simplify(C_PROGRAM& program) {
  test_types(program);
  if (checked) return this;
  checked = true;
  scale_pointer_step(*this, program);
  simplify_sides(program);
  return this;
}

C_TYPE* ASSIGNMENT::type_of(C_PROGRAM& program) {
  return target->type_of(program);
}

bool ASSIGNMENT::is_boolean(C_PROGRAM& program) {
  return target->is_boolean(program);
}

void ASSIGNMENT::simplify_sides(C_PROGRAM& program) {
  ERROR_HANDLER& error_handler = program.services.error_handler;
  if (EXPRESSION* simplified_target = simplify_operand(target, program))
    simplified_target->check_writable(program);
  else
    error_handler.error_at(position, "Bad left-hand-side expression.");
  if (simplify_value(source, program) == nullptr)
    error_handler.error_at(position, "Bad right-hand-side expression.");
}

// A type that is not known (a call not found, a register) leaves nothing to test. A refusal
// shows the two types and the store.
void test_stored_types(C_PROGRAM& program, EXPRESSION& source,
                       const std::function<C_TYPE*()>& target_type, const POSITION& position,
                       std::string_view refusal) {
  ERROR_HANDLER& error_handler = program.services.error_handler;
  if (kind_cast<UNARY_AND>(&source) != nullptr) {
    if (kind_cast<POINTER_TYPE>(target_type()) == nullptr)
      error_handler.error_at(position, refusal);
    return;
  }
  if (error_handler.error_count() > 0) return;
  const C_TYPE* source_type = source.type_of(program);
  const C_TYPE* target = target_type();
  if (source_type == nullptr || target == nullptr) return;
  if (is_null_pointer_for(source, target)) return;
  if (conforms_to(*source_type, *target, error_handler)) return;
  error_handler.add_position(position);
  error_handler.append(refusal);
  error_handler.error();
}

void SIMPLE_ASSIGNMENT::test_types(C_PROGRAM& program) {
  test_stored_types(
      program, *source, [this, &program] { return target->type_of(program); }, position,
      " Bad assignment.");
}

EXPRESSION* SHIFT_ASSIGNMENT::simplify(C_PROGRAM& program) {
  const bool first_check = !checked;
  ASSIGNMENT::simplify(program);
  if (first_check) record_shift_count(*source, program, constant_count, count);
  return this;
}
