// The services every C expression offers to the checks and the code generator. simplify checks
// the expression and answers what to use in its place (a folded constant, the object a name is
// bound to, or itself); the other services answer questions about the simplified expression.
#pragma once

#include "base/position.h"
#include "cfront/c_node.h"

class C_PROGRAM;
class C_TYPE;

// One kind per concrete expression class.
enum class EXPRESSION_KIND {
  binary_plus,
  binary_minus,
  multiply,
  divide,
  modulo,
  comma,
  basic_and,
  inclusive_or,
  exclusive_or,
  logical_and,
  logical_or,
  shift_left,
  shift_right,
  relational_eq,
  relational_neq,
  relational_lt,
  relational_le,
  relational_gt,
  relational_ge,
  unary_and,
  unary_star,
  unary_minus,
  unary_postfix_plus_plus,
  unary_postfix_minus_minus,
  cast,
  size_of,
  conditional,
  simple_assignment,
  plus_assignment,
  minus_assignment,
  and_assignment,
  or_assignment,
  xor_assignment,
  multiply_assignment,
  divide_assignment,
  modulo_assignment,
  shift_left_assignment,
  shift_right_assignment,
  function_call,
  pointer_usage,
  decimal_constant,
  local_variable,
  global_variable,
  argument,
  name,
  register_from_c,
};

// The shape of a kind's node, for the walks that treat every operator of one shape alike (they
// switch over the shape). A new kind gets its shape here, where a missing one fails the build.
enum class EXPRESSION_SHAPE { binary, unary, assignment, call, indexing, conditional, leaf };

constexpr EXPRESSION_SHAPE shape_of(EXPRESSION_KIND kind) {
  using enum EXPRESSION_KIND;
  switch (kind) {
    case binary_plus:
    case binary_minus:
    case multiply:
    case divide:
    case modulo:
    case comma:
    case basic_and:
    case inclusive_or:
    case exclusive_or:
    case logical_and:
    case logical_or:
    case shift_left:
    case shift_right:
    case relational_eq:
    case relational_neq:
    case relational_lt:
    case relational_le:
    case relational_gt:
    case relational_ge:
      return EXPRESSION_SHAPE::binary;
    case unary_and:
    case unary_star:
    case unary_minus:
    case unary_postfix_plus_plus:
    case unary_postfix_minus_minus:
    case cast:
    case size_of:
      return EXPRESSION_SHAPE::unary;
    case conditional:
      return EXPRESSION_SHAPE::conditional;
    case simple_assignment:
    case plus_assignment:
    case minus_assignment:
    case and_assignment:
    case or_assignment:
    case xor_assignment:
    case multiply_assignment:
    case divide_assignment:
    case modulo_assignment:
    case shift_left_assignment:
    case shift_right_assignment:
      return EXPRESSION_SHAPE::assignment;
    case function_call:
      return EXPRESSION_SHAPE::call;
    case pointer_usage:
      return EXPRESSION_SHAPE::indexing;
    case decimal_constant:
    case local_variable:
    case global_variable:
    case argument:
    case name:
    case register_from_c:
      return EXPRESSION_SHAPE::leaf;
  }
  return EXPRESSION_SHAPE::leaf;
}

class EXPRESSION : public C_NODE {
 public:
  EXPRESSION_KIND kind() const { return kind_; }

  // Answers nullptr only where the class says so.
  virtual EXPRESSION* simplify(C_PROGRAM& program) = 0;
  // The C type, or nullptr (a call whose callee is not found, a register).
  virtual C_TYPE* type_of(C_PROGRAM& program) = 0;
  // Reports "This is not a writable expression." (at position_of) unless assignable.
  virtual void check_writable(C_PROGRAM& program);
  // Whether it may serve as a condition: by default, when its type is an int (or char) type.
  virtual bool is_boolean(C_PROGRAM& program);
  // Prepares the operand of `&`; by default a compiler stop (not implemented).
  virtual void take_address(C_PROGRAM& program);
  // The position its messages point at.
  virtual POSITION position_of() const = 0;
  // The position of its last character, where a folded constant made from it ends.
  virtual POSITION end_position() const { return position_of(); }

  virtual bool is_constant() const { return false; }

  // Reports "This is not a boolean expression." at position_of when is_boolean is false.
  void check_boolean(C_PROGRAM& program);

  // The height of the tree below it. The checks walk trees recursively, so the parser bounds it.
  int depth = 1;

 protected:
  explicit EXPRESSION(EXPRESSION_KIND kind) : kind_(kind) {}

 private:
  const EXPRESSION_KIND kind_;
};

// Simplifies the operand in place and answers the new operand.
EXPRESSION* simplify_operand(EXPRESSION*& operand, C_PROGRAM& program);
// The same for an operand whose value is used (by an operator, an assignment or as an
// argument): a void value is a compiler stop; a call to a built-in name, which has no value,
// is reported.
EXPRESSION* simplify_value(EXPRESSION*& operand, C_PROGRAM& program);
