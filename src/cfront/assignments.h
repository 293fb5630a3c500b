// The assignment `=` and the compound assignments, typed by their target. Only `=` tests the
// types (a source `&x` needs a pointer target; otherwise conformance); each is checked once.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "cfront/expression.h"

// The type test of storing source where a value of target_type is expected, as `=` makes it: a
// source `&x` needs a pointer target; any other source must conform, tested while no error is
// counted. A refusal is reported at position, its text ending with refusal. The target's type
// is asked for only when needed, as asking may bind a name and report it.
void test_stored_types(C_PROGRAM& program, EXPRESSION& source,
                       const std::function<C_TYPE*()>& target_type, const POSITION& position,
                       std::string_view refusal);

class ASSIGNMENT : public EXPRESSION {
 public:
  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
  bool is_boolean(C_PROGRAM& program) override;
  POSITION position_of() const override { return position; }
  POSITION end_position() const override { return source->end_position(); }

  POSITION position;  // of the operator
  bool checked = false;
  EXPRESSION* target;
  EXPRESSION* source;

 protected:
  ASSIGNMENT(EXPRESSION_KIND kind, POSITION position, EXPRESSION* target, EXPRESSION* source)
      : EXPRESSION(kind), position(position), target(target), source(source) {}
  // The type test of `=`; the compound forms have none.
  virtual void test_types(C_PROGRAM&) {}
  // Target and source simplified, with their messages.
  void simplify_sides(C_PROGRAM& program);
};

class SIMPLE_ASSIGNMENT final : public OF_KIND<ASSIGNMENT, EXPRESSION_KIND::simple_assignment> {
 public:
  using OF_KIND::OF_KIND;

 protected:
  void test_types(C_PROGRAM& program) override;
};

class PLUS_ASSIGNMENT final : public OF_KIND<ASSIGNMENT, EXPRESSION_KIND::plus_assignment> {
 public:
  using OF_KIND::OF_KIND;
};

class MINUS_ASSIGNMENT final : public OF_KIND<ASSIGNMENT, EXPRESSION_KIND::minus_assignment> {
 public:
  using OF_KIND::OF_KIND;
};

// `x &= e`, `x |= e`, `x ^= e`: computed as `x += e` is, the operation being commutative.
class AND_ASSIGNMENT final : public OF_KIND<ASSIGNMENT, EXPRESSION_KIND::and_assignment> {
 public:
  using OF_KIND::OF_KIND;
};

class OR_ASSIGNMENT final : public OF_KIND<ASSIGNMENT, EXPRESSION_KIND::or_assignment> {
 public:
  using OF_KIND::OF_KIND;
};

class XOR_ASSIGNMENT final : public OF_KIND<ASSIGNMENT, EXPRESSION_KIND::xor_assignment> {
 public:
  using OF_KIND::OF_KIND;
};

// `x *= e`, `x /= e`, `x %= e`: x read, combined with e by the routine, written back.
class MULTIPLY_ASSIGNMENT final
    : public OF_KIND<ASSIGNMENT, EXPRESSION_KIND::multiply_assignment> {
 public:
  using OF_KIND::OF_KIND;
};

class DIVIDE_ASSIGNMENT final : public OF_KIND<ASSIGNMENT, EXPRESSION_KIND::divide_assignment> {
 public:
  using OF_KIND::OF_KIND;
};

class MODULO_ASSIGNMENT final : public OF_KIND<ASSIGNMENT, EXPRESSION_KIND::modulo_assignment> {
 public:
  using OF_KIND::OF_KIND;
};

class SHIFT_ASSIGNMENT : public ASSIGNMENT {
 public:
  using ASSIGNMENT::ASSIGNMENT;
  EXPRESSION* simplify(C_PROGRAM& program) override;

  bool constant_count = false;
  int32_t count = 0;
};

class SHIFT_LEFT_ASSIGNMENT final
    : public OF_KIND<SHIFT_ASSIGNMENT, EXPRESSION_KIND::shift_left_assignment> {
 public:
  using OF_KIND::OF_KIND;
};

class SHIFT_RIGHT_ASSIGNMENT final
    : public OF_KIND<SHIFT_ASSIGNMENT, EXPRESSION_KIND::shift_right_assignment> {
 public:
  using OF_KIND::OF_KIND;
};
