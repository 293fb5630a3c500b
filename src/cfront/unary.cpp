// The unary operators: `&` prepares its operand's address, `*` reads through a pointer, `-`
// folds a constant operand, and the postfix increments keep their operand's type and need a
// writable one.
#include "cfront/unary.h"

#include <cstdint>

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/c_name.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/constant.h"

namespace {

// The operand of ++ or -- is written as well as read: `a++ ++` or `(a + 1)--` is refused here.
void simplify_incremented(EXPRESSION*& operand, C_PROGRAM& program) {
  if (EXPRESSION* simplified = simplify_value(operand, program))
    simplified->check_writable(program);
}

}  // namespace

EXPRESSION* UNARY_AND::simplify(C_PROGRAM& program) {
  if (EXPRESSION* simplified = simplify_operand(operand, program))
    simplified->take_address(program);
  return this;
}

// The operand's own type: an assignment of `&x` asks for a pointer target instead.
C_TYPE* UNARY_AND::type_of(C_PROGRAM& program) {
  return operand->type_of(program);
}

// An operand that is no pointer is reported here (a name already reported as undefined is not).
EXPRESSION* UNARY_STAR::simplify(C_PROGRAM& program) {
  EXPRESSION* simplified = simplify_value(operand, program);
  if (simplified != nullptr && type_of(program) == nullptr &&
      kind_cast<NAME>(simplified) == nullptr)
    program.services.error_handler.error_at(position, "Only a pointer can be dereferenced.");
  return this;
}

C_TYPE* UNARY_STAR::type_of(C_PROGRAM& program) {
  auto* pointer = kind_cast<POINTER_TYPE>(operand->type_of(program));
  return pointer == nullptr ? nullptr : pointer->pointed_to;
}

EXPRESSION* UNARY_MINUS::simplify(C_PROGRAM& program) {
  EXPRESSION* simplified = simplify_value(operand, program);
  if (simplified == nullptr || !simplified->is_constant()) return this;
  const uint32_t magnitude =
      static_cast<uint32_t>(static_cast<DECIMAL_CONSTANT*>(simplified)->value);
  auto* negated = program.make<DECIMAL_CONSTANT>(position, simplified->end_position(),
                                                 static_cast<int32_t>(0u - magnitude));
  return negated->simplify(program);
}

C_TYPE* UNARY_MINUS::type_of(C_PROGRAM& program) {
  return operand->type_of(program);
}

EXPRESSION* UNARY_POSTFIX_PLUS_PLUS::simplify(C_PROGRAM& program) {
  simplify_incremented(operand, program);
  return this;
}

C_TYPE* UNARY_POSTFIX_PLUS_PLUS::type_of(C_PROGRAM& program) {
  return operand->type_of(program);
}

EXPRESSION* UNARY_POSTFIX_MINUS_MINUS::simplify(C_PROGRAM& program) {
  simplify_incremented(operand, program);
  return this;
}

C_TYPE* UNARY_POSTFIX_MINUS_MINUS::type_of(C_PROGRAM& program) {
  return operand->type_of(program);
}
