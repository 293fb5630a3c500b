// The comparisons: always a boolean, typed by an int made at the operator; never folded.
#pragma once

#include "cfront/binary.h"

class INT_TYPE;

class RELATIONAL : public BINARY {
 public:
  RELATIONAL(POSITION position, EXPRESSION* left, EXPRESSION* right, INT_TYPE* result_type)
      : BINARY(position, left, right), result_type(result_type) {}
  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
  bool is_boolean(C_PROGRAM&) override { return true; }

  INT_TYPE* result_type;
};

class RELATIONAL_EQ final : public RELATIONAL {
 public:
  using RELATIONAL::RELATIONAL;
};

class RELATIONAL_NEQ final : public RELATIONAL {
 public:
  using RELATIONAL::RELATIONAL;
};

class RELATIONAL_LT final : public RELATIONAL {
 public:
  using RELATIONAL::RELATIONAL;
};

class RELATIONAL_LE final : public RELATIONAL {
 public:
  using RELATIONAL::RELATIONAL;
};

class RELATIONAL_GT final : public RELATIONAL {
 public:
  using RELATIONAL::RELATIONAL;
};

class RELATIONAL_GE final : public RELATIONAL {
 public:
  using RELATIONAL::RELATIONAL;
};
