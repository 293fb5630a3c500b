// A declaration without body promises what its definition gives: the same result type and,
// unless its list was left empty (`int f();` says nothing of the parameters), the same
// parameter types in order. Calls find the definition wherever it stands, so the declaration
// only adds this check.
#include <string>
#include <vector>

#include "base/error_handler.h"
#include "cfront/c_function.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/declarations.h"

namespace {

// `(void)` and `()` both list no parameter.
std::size_t parameter_count(const PARAMETER_LIST& list) {
  return list.is_void() ? 0 : list.parameters.size();
}

bool parameters_agree(const PARAMETER_LIST* declared, const PARAMETER_LIST* defined) {
  if (declared == nullptr || defined == nullptr || declared->parameters.empty()) return true;
  const std::size_t count = parameter_count(*declared);
  if (count != parameter_count(*defined)) return false;
  for (std::size_t index = 0; index < count; ++index)
    if (!same_type_when_known(declared->parameters[index]->type, defined->parameters[index]->type))
      return false;
  return true;
}

}  // namespace

void C_PROGRAM::check_prototypes() {
  for (const FUNCTION_PROTOTYPE* prototype : prototypes) {
    auto found = latest_definitions_.find(prototype->name()->text);
    if (found == latest_definitions_.end()) continue;  // a call to it finds no function
    const C_FUNCTION& definition = *found->second;
    if (same_type_when_known(prototype->return_type, definition.return_type) &&
        parameters_agree(prototype->parameters, definition.parameters))
      continue;
    ERROR_HANDLER& error_handler = services.error_handler;
    error_handler.add_position(prototype->position());
    error_handler.add_position(definition.position);
    error_handler.append("The declaration of " + *prototype->name()->text +
                         " and its definition differ in type.");
    error_handler.error();
  }
}
