// The comparisons: both operands are checked, nothing is folded, and the result is the int made
// at the operator.
#include "cfront/relational.h"

#include "cfront/c_types.h"
#include "cfront/pointer_steps.h"

EXPRESSION* RELATIONAL::simplify(C_PROGRAM& program) {
  simplify_value(left, program);
  simplify_value(right, program);
  refuse_structure_operands(*this, program, "Structures cannot be compared.");
  return this;
}

C_TYPE* RELATIONAL::type_of(C_PROGRAM&) {
  return result_type;
}
