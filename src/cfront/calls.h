// A function call and an indexing. Both are checked once; a call finds its callee among every
// function of the program, which makes the callee live and checks it there and then.
#pragma once

#include <vector>

#include "cfront/c_name.h"
#include "cfront/expression.h"

class C_FUNCTION;

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
  std::vector<EXPRESSION*> arguments;
  POSITION closing_parenthesis;

 private:
  void check_arguments(C_PROGRAM& program);
};

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
