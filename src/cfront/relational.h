// The comparisons: always a boolean, typed by an int made at the operator; never folded.
#pragma once

#include "cfront/binary.h"

class INT_TYPE;

class RELATIONAL : public BINARY {
 public:
  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
  bool is_boolean(C_PROGRAM&) override { return true; }

  INT_TYPE* result_type;

 protected:
  RELATIONAL(EXPRESSION_KIND kind, POSITION position, EXPRESSION* left, EXPRESSION* right,
             INT_TYPE* result_type)
      : BINARY(kind, position, left, right), result_type(result_type) {}
};

class RELATIONAL_EQ final : public OF_KIND<RELATIONAL, EXPRESSION_KIND::relational_eq> {
 public:
  using OF_KIND::OF_KIND;
};

class RELATIONAL_NEQ final : public OF_KIND<RELATIONAL, EXPRESSION_KIND::relational_neq> {
 public:
  using OF_KIND::OF_KIND;
};

class RELATIONAL_LT final : public OF_KIND<RELATIONAL, EXPRESSION_KIND::relational_lt> {
 public:
  using OF_KIND::OF_KIND;
};

class RELATIONAL_LE final : public OF_KIND<RELATIONAL, EXPRESSION_KIND::relational_le> {
 public:
  using OF_KIND::OF_KIND;
};

class RELATIONAL_GT final : public OF_KIND<RELATIONAL, EXPRESSION_KIND::relational_gt> {
 public:
  using OF_KIND::OF_KIND;
};

class RELATIONAL_GE final : public OF_KIND<RELATIONAL, EXPRESSION_KIND::relational_ge> {
 public:
  using OF_KIND::OF_KIND;
};
