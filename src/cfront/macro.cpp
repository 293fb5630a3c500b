// An enumerator's value is folded on its first use and cached; each use gets its own constant.
#include "cfront/macro.h"

#include "base/error_handler.h"
#include "cfront/c_program.h"
#include "cfront/constant.h"

DECIMAL_CONSTANT* DEFINE_MACRO::value_at(C_PROGRAM& program, POSITION position) {
  if (cached == nullptr && value != nullptr && simplify_operand(value, program)->is_constant())
    cached = static_cast<DECIMAL_CONSTANT*>(value);
  if (cached == nullptr) {
    // Reported once: the enumerator then stands for 0.
    ERROR_HANDLER& error_handler = program.services.error_handler;
    error_handler.add_position(position);
    error_handler.add_position(name->position);
    error_handler.append("The value of this enumerator is not a constant.");
    error_handler.error();
    cached = program.make<DECIMAL_CONSTANT>(text_position, text_position, 0);
  }
  return program.make<DECIMAL_CONSTANT>(position, position, cached->value, cached->is_unsigned);
}

int DEFINE_MACRO::parameter_index(const std::string& word) const {
  for (std::size_t i = 0; i < parameters.size(); ++i)
    if (parameters[i] == word) return static_cast<int>(i);
  return -1;
}
