// String literals: one character per word, ended by a 0. A literal initialises a char array, or,
// used as a value, is the address of an array of its own that the program start fills.
#pragma once

#include <cstdint>
#include <vector>

#include "base/position.h"

class C_PROGRAM;
class DECLARATOR;
class EXPRESSION;
class INITIALIZER_LIST;

struct STRING_TEXT {
  std::vector<int32_t> codes;  // without the ending 0
  POSITION first;              // the first quote
  POSITION last;               // the last quote
};

// The initialiser of `char s[] = "text";`: the codes and the ending 0.
INITIALIZER_LIST* string_initializer(C_PROGRAM& program, DECLARATOR* array,
                                     const STRING_TEXT& text);
// The literal as a value: a file-level char array of its own, initialised with the text.
EXPRESSION* string_value(C_PROGRAM& program, const STRING_TEXT& text);
