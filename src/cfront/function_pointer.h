// Function pointers: the type a function pointer points to, the parenthesised declarators that
// write one (`int (*op)(int, int)`, `void (*table[4])(void)`, `int (x)`), a function's name used
// as a value, and calls through a pointer. A function pointer holds one word: the function's
// number among the functions whose address is taken (0 is no function); a call through it
// compares that number with each candidate of its type and calls the one it holds directly.
#pragma once

#include <string>
#include <vector>

#include "cfront/c_types.h"

class ARGUMENT_DECLARATION;
class C_FUNCTION;
class C_PARSER;
class C_PROGRAM;
class DECLARATOR;
class EXPRESSION;
class FUNCTION_CALL;
class NAME;
class PARAMETER_LIST;

class FUNCTION_TYPE final : public OF_KIND<C_TYPE, TYPE_KIND::function_type> {
 public:
  FUNCTION_TYPE(POSITION position, C_TYPE* return_type, PARAMETER_LIST* parameters)
      : OF_KIND(position), return_type(return_type), parameters(parameters) {}
  // "int(int,char*)"; a pointer to it appends '*'.
  std::string display_name() const override;

  C_TYPE* return_type;
  PARAMETER_LIST* parameters;  // `()` leaves them unchecked, as in a prototype
};

// The function type a pointer points to, or nullptr.
const FUNCTION_TYPE* pointed_function(const C_TYPE* type);
// A pointer to void or to a function: what it points to has no size, so it takes no arithmetic
// and no indexing.
bool points_to_no_object(const C_TYPE* type);
// The same results and parameter types; `()` on either side accepts any parameters.
bool same_function_type(const FUNCTION_TYPE& first, const FUNCTION_TYPE& second);

// declarator := pointers "(" parenthesised_declarator   (at the "("; the type so far given)
DECLARATOR* parse_parenthesised_declarator(C_PARSER& parser, C_TYPE* type);
// The same without a name, in a cast or sizeof: `(*)(int)` after the type.
C_TYPE* parse_abstract_function_pointer(C_PARSER& parser, C_TYPE* type);
// A parameter written with parentheses, named or not: `int (*f)(int)`, `int (*)(int)`.
ARGUMENT_DECLARATION* parenthesised_parameter(C_PARSER& parser, C_TYPE* type);

FUNCTION_TYPE* function_type_of(C_PROGRAM& program, const C_FUNCTION& function);
// The value of function's name: its number, typed as a pointer to its function type. Taking the
// address makes the function live.
EXPRESSION* function_address(C_PROGRAM& program, C_FUNCTION& function, const NAME& use);

// A call whose callee is a value: it must be a function pointer, and the arguments must agree
// with the parameters of its type.
void check_call_through_pointer(FUNCTION_CALL& call, C_PROGRAM& program);
// Once the live code is known: each call through a pointer gets, for each function of its type
// whose address is taken, a direct call to it with the same arguments (its candidates).
void bind_calls_through_pointers(C_PROGRAM& program);
