// The integer constant expression of #if and #elif, in 64-bit arithmetic where a value is
// unsigned when C's conversions make it so. The tokens come expanded, `defined` already
// replaced; any name left stands for 0.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "cfront/pp_token.h"

struct PP_VALUE {
  int64_t value = 0;
  bool is_unsigned = false;
};

using PP_REPORT = std::function<void(SPOT where, const std::string& message)>;

// The value, or nothing after an error reported at its token (at end_spot when the expression
// ends too early).
std::optional<PP_VALUE> evaluate_condition(const PP_TOKENS& tokens, SPOT end_spot,
                                           const PP_REPORT& report);
