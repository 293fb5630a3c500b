// The unary operators: address-of, indirection, negation, the postfix increments, casts and
// sizeof.
#pragma once

#include "cfront/expression.h"

class UNARY : public EXPRESSION {
 public:
  POSITION position_of() const override { return position; }
  POSITION end_position() const override { return operand->end_position(); }

  POSITION position;  // of the operator
  EXPRESSION* operand;

 protected:
  UNARY(EXPRESSION_KIND kind, POSITION position, EXPRESSION* operand)
      : EXPRESSION(kind), position(position), operand(operand) {}
};

// `&x`: typed as its operand (an assignment of it needs a pointer target).
class UNARY_AND final : public OF_KIND<UNARY, EXPRESSION_KIND::unary_and> {
 public:
  using OF_KIND::OF_KIND;
  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
};

class UNARY_STAR final : public OF_KIND<UNARY, EXPRESSION_KIND::unary_star> {
 public:
  using OF_KIND::OF_KIND;
  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
  void check_writable(C_PROGRAM&) override {}
};

class UNARY_MINUS final : public OF_KIND<UNARY, EXPRESSION_KIND::unary_minus> {
 public:
  using OF_KIND::OF_KIND;
  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
};

class UNARY_POSTFIX_PLUS_PLUS final
    : public OF_KIND<UNARY, EXPRESSION_KIND::unary_postfix_plus_plus> {
 public:
  using OF_KIND::OF_KIND;
  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
  POSITION end_position() const override { return position.shifted(1); }
};

class UNARY_POSTFIX_MINUS_MINUS final
    : public OF_KIND<UNARY, EXPRESSION_KIND::unary_postfix_minus_minus> {
 public:
  using OF_KIND::OF_KIND;
  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
  POSITION end_position() const override { return position.shifted(1); }
};

// `(type) e`, and `+e` as a cast to e's own type. Every scalar and pointer type fills one word,
// so a cast changes the type alone; a constant is brought to the width, signed or not as the
// type says.
class CAST final : public OF_KIND<UNARY, EXPRESSION_KIND::cast> {
 public:
  CAST(POSITION position, EXPRESSION* operand, C_TYPE* type = nullptr)
      : OF_KIND(position, operand), type(type) {}
  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;

  C_TYPE* type;  // none for unary +
};

// `sizeof e`, in words: an array's element count times its element's size, a structure's
// words, one for any other value. It becomes that constant; e is never evaluated.
class SIZE_OF final : public OF_KIND<UNARY, EXPRESSION_KIND::size_of> {
 public:
  using OF_KIND::OF_KIND;
  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
};
