// The binary arithmetic, bitwise, logical and shift operators. Arithmetic, bitwise and logical
// operators fold two constants into one; shifts are never folded but record a constant count.
#pragma once

#include <cstdint>

#include "cfront/expression.h"

class BINARY : public EXPRESSION {
 public:
  // Typed by the left operand.
  C_TYPE* type_of(C_PROGRAM& program) override;
  POSITION position_of() const override { return position; }
  POSITION end_position() const override { return right->end_position(); }

  POSITION position;  // of the operator
  EXPRESSION* left;
  EXPRESSION* right;

 protected:
  BINARY(EXPRESSION_KIND kind, POSITION position, EXPRESSION* left, EXPRESSION* right)
      : EXPRESSION(kind), position(position), left(left), right(right) {}
};

// Simplifies both operands; two constants fold into a new constant by fold().
class FOLDING : public BINARY {
 public:
  using BINARY::BINARY;
  EXPRESSION* simplify(C_PROGRAM& program) override;
  virtual int32_t fold(int32_t left, int32_t right) const = 0;

  bool steps_scaled = false;  // a pointer's step counted in elements (pointer_steps.h)

 protected:
  // Whether two constants fold; a refusal is reported by the operator.
  virtual bool folds(C_PROGRAM&, int32_t /*right*/) { return true; }
};

class BINARY_PLUS final : public OF_KIND<FOLDING, EXPRESSION_KIND::binary_plus> {
 public:
  using OF_KIND::OF_KIND;
  int32_t fold(int32_t l, int32_t r) const override;
};

class BINARY_MINUS final : public OF_KIND<FOLDING, EXPRESSION_KIND::binary_minus> {
 public:
  using OF_KIND::OF_KIND;
  int32_t fold(int32_t l, int32_t r) const override;
};

// `*`, `/` and `%`, computed by routines of the program; `/` truncates toward zero and `%` has
// the sign of the dividend, as in C.
class MULTIPLY final : public OF_KIND<FOLDING, EXPRESSION_KIND::multiply> {
 public:
  using OF_KIND::OF_KIND;
  int32_t fold(int32_t l, int32_t r) const override;
};

// A constant divided by the constant 0 is refused: the run-time result would be no number.
class DIVIDING : public FOLDING {
 public:
  using FOLDING::FOLDING;

 protected:
  bool folds(C_PROGRAM& program, int32_t right) override;
};

class DIVIDE final : public OF_KIND<DIVIDING, EXPRESSION_KIND::divide> {
 public:
  using OF_KIND::OF_KIND;
  int32_t fold(int32_t l, int32_t r) const override;
};

class MODULO final : public OF_KIND<DIVIDING, EXPRESSION_KIND::modulo> {
 public:
  using OF_KIND::OF_KIND;
  int32_t fold(int32_t l, int32_t r) const override;
};

// `a, b`: a for its side effects, then b, whose value and type it has.
class COMMA final : public OF_KIND<BINARY, EXPRESSION_KIND::comma> {
 public:
  using OF_KIND::OF_KIND;
  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
  bool is_boolean(C_PROGRAM& program) override;
};

class BIT_A_BIT : public FOLDING {
 public:
  using FOLDING::FOLDING;
};

class BASIC_AND final : public OF_KIND<BIT_A_BIT, EXPRESSION_KIND::basic_and> {
 public:
  using OF_KIND::OF_KIND;
  int32_t fold(int32_t l, int32_t r) const override { return l & r; }
};

class INCLUSIVE_OR final : public OF_KIND<BIT_A_BIT, EXPRESSION_KIND::inclusive_or> {
 public:
  using OF_KIND::OF_KIND;
  int32_t fold(int32_t l, int32_t r) const override { return l | r; }
};

// `a ^ b`, typed like & and | by its left operand.
class EXCLUSIVE_OR final : public OF_KIND<BIT_A_BIT, EXPRESSION_KIND::exclusive_or> {
 public:
  using OF_KIND::OF_KIND;
  int32_t fold(int32_t l, int32_t r) const override { return l ^ r; }
};

class LOGICAL : public FOLDING {
 public:
  using FOLDING::FOLDING;
};

class LOGICAL_AND final : public OF_KIND<LOGICAL, EXPRESSION_KIND::logical_and> {
 public:
  using OF_KIND::OF_KIND;
  int32_t fold(int32_t l, int32_t r) const override { return l != 0 && r != 0; }
};

class LOGICAL_OR final : public OF_KIND<LOGICAL, EXPRESSION_KIND::logical_or> {
 public:
  using OF_KIND::OF_KIND;
  int32_t fold(int32_t l, int32_t r) const override { return l != 0 || r != 0; }
};

class SHIFT : public BINARY {
 public:
  using BINARY::BINARY;
  EXPRESSION* simplify(C_PROGRAM& program) override;

  bool constant_count = false;
  int32_t count = 0;
};

// A constant shift count (of a shift or a shift assignment) is recorded; outside 0 to N-1 it is
// reported at the count. Nothing happens for another count.
void record_shift_count(const EXPRESSION& count_expression, C_PROGRAM& program,
                        bool& constant_count, int32_t& count);

class SHIFT_LEFT final : public OF_KIND<SHIFT, EXPRESSION_KIND::shift_left> {
 public:
  using OF_KIND::OF_KIND;
};

class SHIFT_RIGHT final : public OF_KIND<SHIFT, EXPRESSION_KIND::shift_right> {
 public:
  using OF_KIND::OF_KIND;
};
