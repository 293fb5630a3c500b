// A function call and an indexing. Both are checked once; a call finds its callee among every
// function of the program, which makes the callee live and checks it there and then.
#pragma once

#include <vector>

#include "cfront/c_name.h"
#include "cfront/expression.h"

class C_FUNCTION;
class FUNCTION_TYPE;
class PARAMETER_LIST;

struct BUILT_IN_FUNCTION;

class FUNCTION_CALL final : public OF_KIND<EXPRESSION, EXPRESSION_KIND::function_call> {
 public:
  explicit FUNCTION_CALL(NAME* callee) : callee(callee), text(callee->text) {}
  EXPRESSION* simplify(C_PROGRAM& program) override;
  // The callee's return type after the check; none when it is not found.
  C_TYPE* type_of(C_PROGRAM& program) override;
  POSITION position_of() const override { return callee->position; }
  POSITION end_position() const override { return closing_parenthesis; }

  bool checked = false;
  NAME* callee;
  INTERNED text;
  C_FUNCTION* function = nullptr;  // the resolved callee
  const BUILT_IN_FUNCTION* built_in = nullptr;  // or the library function called
  C_TYPE* built_in_value_type = nullptr;        // the int a library function gives
  std::vector<EXPRESSION*> arguments;
  POSITION closing_parenthesis;
  // A call through a function pointer: the value called (callee then only gives the position),
  // its function type once checked, and a direct call for each function it may hold.
  EXPRESSION* pointer = nullptr;
  const FUNCTION_TYPE* pointer_type = nullptr;
  std::vector<FUNCTION_CALL*> candidates;
};

// Without arguments the list must be `(void)`; otherwise one argument per parameter entry,
// checked from the last to the first up to the first mismatch. No list: nothing is checked.
void check_call_arguments(C_PROGRAM& program, const std::vector<EXPRESSION*>& arguments,
                          const PARAMETER_LIST* list, const POSITION& callee);

// `base[index]`: the word at the base's address plus the index.
class POINTER_USAGE : public OF_KIND<EXPRESSION, EXPRESSION_KIND::pointer_usage> {
 public:
  POINTER_USAGE(EXPRESSION* base, EXPRESSION* index) : base(base), index(index) {}
  EXPRESSION* simplify(C_PROGRAM& program) override;
  // The pointed-to type of the base's type (cached).
  C_TYPE* type_of(C_PROGRAM& program) override;
  // A const element is reported with the name of its array or pointer.
  void check_writable(C_PROGRAM& program) override;
  void take_address(C_PROGRAM& program) override;
  POSITION position_of() const override { return base->position_of(); }
  POSITION end_position() const override { return closing_bracket; }

  bool checked = false;
  EXPRESSION* base;
  const NAME* base_name = nullptr;  // the variable the base was, before its simplification
  EXPRESSION* index;
  C_TYPE* element_type = nullptr;
  POSITION closing_bracket;
  bool needs_ram_cell = false;  // its address is taken
};
