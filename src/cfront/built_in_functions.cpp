// Looks a library name up in the table of built-in functions and checks a call of one.
#include "cfront/built_in_functions.h"

#include <algorithm>
#include <iterator>

#include "base/error_handler.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/calls.h"
#include "cfront/constant.h"
#include "cfront/expression.h"

const BUILT_IN_FUNCTION* find_built_in(std::string_view name) {
  const auto* found =
      std::find_if(std::begin(built_in_functions), std::end(built_in_functions),
                   [name](const BUILT_IN_FUNCTION& function) { return function.name == name; });
  return found == std::end(built_in_functions) ? nullptr : found;
}

namespace {

// The argument must have folded to a constant the IN and OUT instructions can hold.
void check_port(EXPRESSION& port, ERROR_HANDLER& error_handler) {
  const auto* constant = port.is_constant() ? static_cast<const DECIMAL_CONSTANT*>(&port) : nullptr;
  if (constant != nullptr && constant->value >= 0 && constant->value <= highest_port) return;
  error_handler.error_at(port.position_of(), "A port number is a constant from 0 to 127.");
}

}  // namespace

void check_built_in_call(FUNCTION_CALL& call, C_PROGRAM& program) {
  call.built_in = find_built_in(*call.text);
  ERROR_HANDLER& error_handler = program.services.error_handler;
  const int expected = call.built_in->argument_count;
  if (expected >= 0 && static_cast<int>(call.arguments.size()) != expected) {
    error_handler.error_at(call.callee->position, "Incorrect number or arguments.");
    return;
  }
  if (call.built_in->port_first) check_port(*call.arguments.front(), error_handler);
  if (call.built_in->gives_value)
    call.built_in_value_type = program.make<INT_TYPE>(call.position_of());
}
