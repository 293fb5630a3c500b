#include "cfront/conditional.h"

#include "cfront/c_program.h"
#include "cfront/constant.h"

EXPRESSION* CONDITIONAL::simplify(C_PROGRAM& program) {
  EXPRESSION* tested = simplify_value(condition, program);
  if (tested != nullptr) tested->check_boolean(program);
  EXPRESSION* chosen_if_true = simplify_operand(if_true, program);
  EXPRESSION* chosen_if_false = simplify_operand(if_false, program);
  if (tested == nullptr || !tested->is_constant()) return this;
  const bool holds = static_cast<DECIMAL_CONSTANT*>(tested)->value != 0;
  EXPRESSION* chosen = holds ? chosen_if_true : chosen_if_false;
  return chosen != nullptr ? chosen : this;
}

C_TYPE* CONDITIONAL::type_of(C_PROGRAM& program) {
  if (if_true->is_constant() && !if_false->is_constant()) return if_false->type_of(program);
  return if_true->type_of(program);
}
