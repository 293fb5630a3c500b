#include "cfront/string_literal.h"

#include "cfront/c_name.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"
#include "cfront/variables.h"

INITIALIZER_LIST* string_initializer(C_PROGRAM& program, DECLARATOR* array,
                                     const STRING_TEXT& text) {
  INITIALIZER_LIST* list = program.make<INITIALIZER_LIST>(text.first, array);
  for (int32_t code : text.codes)
    list->items.push_back(program.make<DECIMAL_CONSTANT>(text.first, text.last, code));
  list->items.push_back(program.make<DECIMAL_CONSTANT>(text.first, text.last, 0));
  list->close_brace = text.last;
  list->from_string = true;
  return list;
}

// The array is named by the literal's position only: no C name can reach it.
EXPRESSION* string_value(C_PROGRAM& program, const STRING_TEXT& text) {
  NAME* name = program.make<NAME>(program.intern("string literal"), nullptr, nullptr, text.first,
                                  text.last);
  auto* element = program.make<TYPE_AND_NAME>(program.make<CHAR_TYPE>(text.first), name);
  const auto length = static_cast<int32_t>(text.codes.size()) + 1;
  auto* size = program.make<DECIMAL_CONSTANT>(text.first, text.last, length);
  auto* array = program.make<ARRAY_TYPE>(
      element, size, program.make<POINTER_TYPE>(text.first, program.make<CHAR_TYPE>(text.first)),
      text.last);
  INITIALIZER_LIST* declaration = string_initializer(program, array, text);
  return program.make<GLOBAL_VARIABLE>(nullptr, name, declaration);
}
