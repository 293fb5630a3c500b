// A call is checked once: its arguments (the last first), then its callee, which the program
// finds, makes live and checks, then the arguments against the callee's parameters. An indexing
// reads the element type of its base, which must be a pointer (an array's type is one).
#include "cfront/calls.h"

#include <cstddef>
#include <string>

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/built_in_functions.h"
#include "cfront/c_function.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/declarations.h"
#include "cfront/function_pointer.h"
#include "cfront/pointer_steps.h"
#include "cfront/unary.h"
#include "cfront/variables.h"

namespace {

// A pointer is compared by what it points to.
const C_TYPE* compared_type(const C_TYPE* type) {
  const auto* pointer = kind_cast<POINTER_TYPE>(type);
  return pointer != nullptr ? pointer->pointed_to : type;
}

POSITION parameter_position(const ARGUMENT_DECLARATION& parameter) {
  return parameter.name != nullptr ? parameter.name->position : parameter.type->position();
}

// False after reporting the mismatch at the argument and the parameter. A void * or a function
// pointer on either side is compared as a pointer, by the pointer rule.
bool argument_conforms(EXPRESSION& argument, const ARGUMENT_DECLARATION& parameter,
                       C_PROGRAM& program) {
  const C_TYPE* argument_type = argument.type_of(program);
  const C_TYPE* parameter_type = parameter.type;
  // `&x` is typed as x: any object's address goes into a void *.
  const auto* parameter_pointer = kind_cast<POINTER_TYPE>(parameter_type);
  if (kind_cast<UNARY_AND>(&argument) != nullptr && parameter_pointer != nullptr &&
      parameter_pointer->pointed_to->is_void())
    return true;
  const bool as_pointers =
      kind_cast<POINTER_TYPE>(argument_type) != nullptr &&
      kind_cast<POINTER_TYPE>(parameter_type) != nullptr &&
      (points_to_no_object(argument_type) || points_to_no_object(parameter_type));
  if (!as_pointers) {
    argument_type = compared_type(argument_type);
    parameter_type = compared_type(parameter_type);
  }
  if (argument_type == nullptr || parameter_type == nullptr) return true;
  ERROR_HANDLER& error_handler = program.services.error_handler;
  if (conforms_to(*argument_type, *parameter_type, error_handler)) return true;
  error_handler.add_position(argument.position_of());
  error_handler.add_position(parameter_position(parameter));
  error_handler.append(" Actual/Formal argument type mismatch.");
  error_handler.error();
  return false;
}

// The name of the variable an expression is (a name not bound yet included), or nullptr.
const NAME* variable_name(EXPRESSION* expression) {
  if (auto* local = kind_cast<LOCAL_VARIABLE>(expression)) return local->use;
  if (auto* global = kind_cast<GLOBAL_VARIABLE>(expression)) return global->use;
  if (auto* argument = kind_cast<ARGUMENT>(expression)) return argument->use;
  return kind_cast<NAME>(expression);
}

}  // namespace

EXPRESSION* FUNCTION_CALL::simplify(C_PROGRAM& program) {
  if (checked) return this;
  checked = true;
  for (std::size_t index = arguments.size(); index-- > 0;)
    simplify_value(arguments[index], program);
  if (pointer != nullptr)
    check_call_through_pointer(*this, program);
  else if (program.resolve_call(*this) != nullptr)
    check_call_arguments(program, arguments, function->parameters, callee->position);
  else if (program.is_built_in(text))
    check_built_in_call(*this, program);
  else
    program.services.error_handler.error_at(callee->position, "Function not found.");
  return this;
}

C_TYPE* FUNCTION_CALL::type_of(C_PROGRAM& program) {
  simplify(program);
  if (pointer_type != nullptr) return pointer_type->return_type;
  return function != nullptr ? function->return_type : built_in_value_type;
}

void check_call_arguments(C_PROGRAM& program, const std::vector<EXPRESSION*>& arguments,
                          const PARAMETER_LIST* list, const POSITION& callee) {
  if (list == nullptr) return;
  const bool count_matches =
      arguments.empty() ? list->is_void() : arguments.size() == list->parameters.size();
  if (!count_matches) {
    program.services.error_handler.error_at(callee, "Incorrect number or arguments.");
    return;
  }
  for (std::size_t index = arguments.size(); index-- > 0;)
    if (!argument_conforms(*arguments[index], *list->parameters[index], program)) return;
}

// The base is reported once when it is no pointer (a name already reported as undefined is not),
// or when what it points to has no size.
EXPRESSION* POINTER_USAGE::simplify(C_PROGRAM& program) {
  if (checked) return this;
  checked = true;
  const bool no_object = points_to_no_object(base->type_of(program));
  const bool is_pointer = type_of(program) != nullptr || no_object;
  const auto* name = kind_cast<NAME>(base);
  const bool undefined_name = name != nullptr && name->resolution == name;
  ERROR_HANDLER& error_handler = program.services.error_handler;
  if (!is_pointer && !undefined_name)
    error_handler.error_at(position_of(), "Only a pointer or an array can be indexed.");
  if (no_object)
    error_handler.error_at(position_of(), "A void * or a function pointer cannot be indexed.");
  base_name = variable_name(base);
  if (is_pointer) scale_count(index, base->type_of(program), program);
  simplify_value(base, program);
  simplify_value(index, program);
  return this;
}

// None for a base pointing to no object: it has no element.
C_TYPE* POINTER_USAGE::type_of(C_PROGRAM& program) {
  if (element_type != nullptr) return element_type;
  const C_TYPE* base_type = base->type_of(program);
  if (auto* pointer = kind_cast<POINTER_TYPE>(base_type);
      pointer != nullptr && !points_to_no_object(base_type))
    element_type = pointer->pointed_to;
  return element_type;
}

void POINTER_USAGE::check_writable(C_PROGRAM& program) {
  const C_TYPE* element = type_of(program);
  if (element == nullptr || !element->is_const) return;
  program.services.error_handler.error_at(
      position_of(), base_name != nullptr
                         ? "An element of " + *base_name->text + " is const: it cannot be changed."
                         : std::string("This element is const: it cannot be changed."));
}

void POINTER_USAGE::take_address(C_PROGRAM&) {
  needs_ram_cell = true;
}
