// The late binding of a name that no declaration matched while it was read: an enumerator of its
// file (a new constant at the name), else a parameter of its function, else a function (its
// address), else "Undefined name." and the name stays bound to itself, typed int once that error
// is counted.
#include "cfront/c_name.h"

#include "base/error_handler.h"
#include "cfront/c_function.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"
#include "cfront/function_pointer.h"
#include "cfront/macro.h"
#include "cfront/variables.h"

void NAME::bind(C_PROGRAM& program) {
  if (resolved) return;
  resolved = true;
  if (DEFINE_MACRO* enumerator = program.file(position.source_file).find_enumerator(text)) {
    resolution = enumerator->value_at(program, position);
    return;
  }
  if (function != nullptr && function->parameters != nullptr)
    if (ARGUMENT_DECLARATION* parameter = function->parameters->find(text)) {
      resolution = program.make<ARGUMENT>(this, parameter);
      return;
    }
  if (C_FUNCTION* named_function = program.find_function(text)) {
    resolution = function_address(program, *named_function, *this);
    return;
  }
  program.services.error_handler.error_at(position, "Undefined name.");
  resolution = this;
}

EXPRESSION* NAME::simplify(C_PROGRAM& program) {
  bind(program);
  return resolution == this ? this : resolution->simplify(program);
}

C_TYPE* NAME::type_of(C_PROGRAM& program) {
  bind(program);
  if (resolution != this) return resolution->type_of(program);
  const bool errors_counted = program.services.error_handler.error_count() > 0;
  return errors_counted ? program.make<INT_TYPE>(position) : nullptr;
}

void NAME::check_writable(C_PROGRAM& program) {
  ERROR_HANDLER& error_handler = program.services.error_handler;
  error_handler.error_at(position, "Undefined name.");
  error_handler.error_at(position, "This is not a writable expression.");
}
