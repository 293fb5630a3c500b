// The values of variables. A variable stands for itself once its declarator is checked, except
// an array, which is used by its address: a constant of the array's pointer type. A global
// also enters its declaration in the program's used declarations, for the code generator. A
// variable declared const cannot be written.
#include "cfront/variables.h"

#include <cstdint>

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
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

// A local extern stands for its definition, which is checked and used as a global is.
EXPRESSION* VARIABLE::simplify(C_PROGRAM& program) {
  bind_extern(*declarator, program).check(program);
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

// The declaration is checked at every reference: its initialiser's messages repeat. An extern
// declaration stands for its definition.
EXPRESSION* GLOBAL_VARIABLE::simplify(C_PROGRAM& program) {
  DECLARATOR& used = bind_extern(*declaration, program);
  program.use_declaration(used);
  used.check(program);
  return value_of(*this, program);
}

void check_not_const(const C_TYPE* type, const NAME& name, const POSITION& position,
                     C_PROGRAM& program) {
  if (type == nullptr || !type->is_const) return;
  program.services.error_handler.error_at(position,
                                          "The const object " + *name.text + " cannot be changed.");
}

void VARIABLE::check_writable(C_PROGRAM& program) {
  check_not_const(declarator->type(), *use, use->position, program);
}

void ARGUMENT::check_writable(C_PROGRAM& program) {
  check_not_const(declaration->type, *use, use->position, program);
}
