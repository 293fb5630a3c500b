// The defaults every C expression starts from, and the simplification of operands: an operand is
// replaced by what its simplify answers, and an operand whose value is used must have one.
#include "cfront/expression.h"

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/c_program.h"
#include "cfront/c_stops.h"
#include "cfront/c_types.h"
#include "cfront/calls.h"

void EXPRESSION::check_writable(C_PROGRAM& program) {
  program.services.error_handler.error_at(position_of(), "This is not a writable expression.");
}

// A pointer tests as C tests it: true when it is not null.
bool EXPRESSION::is_boolean(C_PROGRAM& program) {
  const C_TYPE* type = type_of(program);
  return type != nullptr && (type->is_int() || type->kind() == TYPE_KIND::pointer_type);
}

void EXPRESSION::take_address(C_PROGRAM&) {
  stop_compiler("the address of this expression", position_of());
}

void EXPRESSION::check_boolean(C_PROGRAM& program) {
  if (!is_boolean(program))
    program.services.error_handler.error_at(position_of(), "This is not a boolean expression.");
}

EXPRESSION* simplify_operand(EXPRESSION*& operand, C_PROGRAM& program) {
  if (operand == nullptr) return nullptr;
  EXPRESSION* simplified = operand->simplify(program);
  if (simplified != nullptr) operand = simplified;
  return simplified;
}

namespace {

bool is_built_in_call(const EXPRESSION& expression, const C_PROGRAM& program) {
  const auto* call = kind_cast<FUNCTION_CALL>(&expression);
  return call != nullptr && call->function == nullptr && program.is_built_in(call->text);
}

}  // namespace

EXPRESSION* simplify_value(EXPRESSION*& operand, C_PROGRAM& program) {
  EXPRESSION* value = simplify_operand(operand, program);
  if (value == nullptr) return nullptr;
  const C_TYPE* type = value->type_of(program);
  if (type != nullptr && type->is_void())
    stop_compiler("a void value used as a value", value->position_of());
  // exit, asm_ROL and asm_TTSR are meant as statements.
  if (type == nullptr && is_built_in_call(*value, program))
    program.services.error_handler.error_at(value->position_of(),
                                            "This built-in function gives no value.");
  return value;
}
