// `c ? a : b`: the value of a when c holds, else of b; only the chosen one is evaluated.
#pragma once

#include "cfront/expression.h"

class CONDITIONAL final : public OF_KIND<EXPRESSION, EXPRESSION_KIND::conditional> {
 public:
  CONDITIONAL(POSITION question, EXPRESSION* condition, EXPRESSION* if_true, EXPRESSION* if_false)
      : question(question), condition(condition), if_true(if_true), if_false(if_false) {}

  // A constant condition leaves the chosen operand in its place.
  EXPRESSION* simplify(C_PROGRAM& program) override;
  // The type of the operand that is not a constant (a constant's type follows its value), the
  // first when both or neither are.
  C_TYPE* type_of(C_PROGRAM& program) override;
  POSITION position_of() const override { return question; }
  POSITION end_position() const override { return if_false->end_position(); }

  POSITION question;
  EXPRESSION* condition;
  EXPRESSION* if_true;
  EXPRESSION* if_false;
};
