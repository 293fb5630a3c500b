// The values of variables. A variable stands for itself once its declarator is checked, except
// an array, which is used by its address: a constant of the array's pointer type. A global
// also enters its declaration in the program's used declarations, for the code generator.
#include "cfront/variables.h"

#include <cstdint>

#include "base/kind_cast.h"
#include "cfront/c_program.h"
#include "cfront/constant.h"

namespace {

// Until the code generator places the array, its address reads 0.
EXPRESSION* value_of(VARIABLE& variable, C_PROGRAM& program) {
  auto* array = kind_cast<ARRAY_TYPE>(variable.declarator->declared());
  if (array == nullptr) return &variable;
  const int32_t start = array->ram_start < 0 ? 0 : array->ram_start;
  auto* address = program.make<DECIMAL_CONSTANT>(variable.use->position, variable.use->last, start);
  address->type = array->type();
  program.enter_in_pool(*address);
  return address;
}

}  // namespace

EXPRESSION* VARIABLE::simplify(C_PROGRAM& program) {
  declarator->check(program);
  return value_of(*this, program);
}

C_TYPE* VARIABLE::type_of(C_PROGRAM&) {
  return declarator->type();
}

// Both the declaration as written and the declarator holding the storage carry the mark.
void VARIABLE::take_address(C_PROGRAM&) {
  declarator->needs_ram_cell = true;
  declarator->declared()->needs_ram_cell = true;
}

// The declaration is checked at every reference: its initialiser's messages repeat.
EXPRESSION* GLOBAL_VARIABLE::simplify(C_PROGRAM& program) {
  program.use_declaration(*declaration);
  declaration->check(program);
  return value_of(*this, program);
}
