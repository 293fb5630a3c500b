// A `#define`, and an enumerator, which a file keeps in the same list. A macro holds its
// replacement tokens (and its parameters when function-like); the expander substitutes them. An
// enumerator holds the expression of its value and is bound when a name is resolved.
#pragma once

#include <string>
#include <vector>

#include "cfront/c_name.h"
#include "cfront/pp_token.h"

class DECIMAL_CONSTANT;

class DEFINE_MACRO final : public C_NODE {
 public:
  DEFINE_MACRO(NAME* name, POSITION text_position) : name(name), text_position(text_position) {}

  // An enumerator's value as a new constant at position; a value that is no constant is
  // reported once and stands for 0.
  DECIMAL_CONSTANT* value_at(C_PROGRAM& program, POSITION position);
  bool is_enumerator() const { return value != nullptr; }
  // The index of a parameter's name, or -1.
  int parameter_index(const std::string& word) const;

  NAME* name;
  // The replacement text as written (blanks and comments as one space); an enumerator has none.
  std::string text;
  POSITION text_position;
  bool function_like = false;
  bool variadic = false;  // the last parameter is __VA_ARGS__
  std::vector<std::string> parameters;
  PP_TOKENS replacement;
  int name_index = 0;           // in base/macro_names.h
  EXPRESSION* value = nullptr;  // an enumerator's
  DECIMAL_CONSTANT* cached = nullptr;
};
