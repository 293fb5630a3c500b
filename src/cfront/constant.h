// A numeric constant: from the scanner, from folding, or from a macro. Its C type follows from
// its value the first time it is asked for; a value outside every range is "Value out of range."
// and becomes 0. Typing enters values the code generator cannot load in one step in the pool.
#pragma once

#include <cstdint>

#include "cfront/expression.h"

class DECIMAL_CONSTANT final : public OF_KIND<EXPRESSION, EXPRESSION_KIND::decimal_constant> {
 public:
  DECIMAL_CONSTANT(POSITION first, POSITION last, int32_t value, bool is_unsigned = false)
      : first(first), last(last), value(value), is_unsigned(is_unsigned) {}

  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
  bool is_boolean(C_PROGRAM&) override { return true; }
  void take_address(C_PROGRAM& program) override;
  POSITION position_of() const override { return first; }
  POSITION end_position() const override { return last; }
  bool is_constant() const override { return true; }

  POSITION first;
  POSITION last;
  int32_t value;
  bool is_unsigned;             // written with a U suffix
  bool beyond_32_bits = false;  // its digits overflowed: "Value out of range." when typed
  C_TYPE* type = nullptr;       // set on first need
  bool needs_ram_cell = false;  // its address is taken: a RAM word holds it
  bool pooled = false;          // entered in the constant pool
};

// The constant 0, which is the null pointer of every pointer type, offered where target is
// expected.
bool is_null_pointer_for(const EXPRESSION& value, const C_TYPE* target);
