// A `#define`: a name bound to a constant, looked up when a name is resolved (there is no text
// substitution). The value is made once and cached: from the parenthesised expression, or from
// the text, which must then read as an integer.
#pragma once

#include <optional>
#include <string>

#include "cfront/c_name.h"

class DECIMAL_CONSTANT;

class DEFINE_MACRO final : public C_NODE {
 public:
  DEFINE_MACRO(NAME* name, POSITION text_position) : name(name), text_position(text_position) {}

  // A new constant with the macro's value at position. A text that is not an integer is a
  // compiler stop; an out-of-range value is reported like any constant's.
  DECIMAL_CONSTANT* constant_at(C_PROGRAM& program, POSITION position);

  NAME* name;
  std::optional<std::string> text;
  POSITION text_position;
  EXPRESSION* value = nullptr;  // the parenthesised form's expression, parsed at definition
  DECIMAL_CONSTANT* cached = nullptr;
};
