// The typing of a numeric constant by its value: char, unsigned char, int, unsigned int, the
// ranges of the last two following the configuration's N. A value beyond them all is reported
// and becomes 0; every typed constant is offered to the constant pool.
#include "cfront/constant.h"

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "machine/processor_parameters.h"

namespace {

// The first type whose range holds the value, or nullptr.
C_TYPE* type_by_value(C_PROGRAM& program, int32_t value, POSITION at) {
  const int n = program.data_size();
  if (value >= -128 && value <= 127) return program.make<CHAR_TYPE>(at);
  if (value >= 128 && value <= 255) return program.make<UNSIGNED_CHAR_TYPE>(at, at);
  if (in_int_range(value, n)) return program.make<INT_TYPE>(at);
  if (value >= 0 && value <= uint_max(n)) return program.make<UNSIGNED_INT_TYPE>(at, at);
  return nullptr;
}

}  // namespace

EXPRESSION* DECIMAL_CONSTANT::simplify(C_PROGRAM& program) {
  type_of(program);
  return this;
}

C_TYPE* DECIMAL_CONSTANT::type_of(C_PROGRAM& program) {
  if (type != nullptr) return type;
  if (!beyond_32_bits) type = type_by_value(program, value, first);
  if (type == nullptr) {
    program.services.error_handler.error_at(first, "Value out of range.");
    type = program.make<INT_TYPE>(first);
    value = 0;
  }
  program.enter_in_pool(*this);
  return type;
}

void DECIMAL_CONSTANT::take_address(C_PROGRAM&) {
  needs_ram_cell = true;
}

bool is_null_pointer_for(const EXPRESSION& value, const C_TYPE* target) {
  const auto* constant = kind_cast<DECIMAL_CONSTANT>(&value);
  return constant != nullptr && constant->value == 0 && kind_cast<POINTER_TYPE>(target) != nullptr;
}
