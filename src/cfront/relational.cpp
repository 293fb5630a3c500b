// The comparisons: both operands are checked, nothing is folded, and the result is the int made
// at the operator.
#include "cfront/relational.h"

#include "cfront/c_types.h"

EXPRESSION* RELATIONAL::simplify(C_PROGRAM& program) {
  simplify_value(left, program);
  simplify_value(right, program);
  return this;
}

C_TYPE* RELATIONAL::type_of(C_PROGRAM&) {
  return result_type;
}
