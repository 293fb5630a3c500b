// A brace initialiser as written, before it is laid out over its object: items, each with its
// designators (`.member`, `[index]`) and either an expression or a nested brace list. Laid
// out, it becomes one expression per word of the object, in the INITIALIZER_LIST's items.
#pragma once

#include <cstdint>
#include <vector>

#include "base/position.h"
#include "cfront/c_name.h"
#include "cfront/string_literal.h"

class C_PARSER;
class C_PROGRAM;
class C_TYPE;
class EXPRESSION;
class INITIALIZER_LIST;
class INIT_BRACES;

struct DESIGNATOR {
  INTERNED member = nullptr;    // `.member`
  EXPRESSION* index = nullptr;  // `[index]`
  POSITION position;
};

struct INIT_ITEM {
  std::vector<DESIGNATOR> designators;
  EXPRESSION* expression = nullptr;
  INIT_BRACES* braces = nullptr;
  bool is_string = false;  // a literal, which may fill a char array as well
  STRING_TEXT string;
  POSITION position;
};

class INIT_BRACES final : public C_NODE {
 public:
  // No nesting and no designator: a list of values, one per element.
  bool is_flat() const;

  POSITION open_brace;
  POSITION close_brace;
  std::vector<INIT_ITEM> items;
};

// After the "{" of a declarator's initialiser: reads the list into list.braces, or, for a flat
// list of an array of scalars, straight into list.items as before.
void read_initializer_list(C_PARSER& parser, INITIALIZER_LIST& list);
// The items of a laid-out list, one per word of the object (0 where none is given); the
// length of an array declared without one is the number of elements reached. False after a
// reported problem.
// word_types receives each word's type (nullptr for a word left 0).
bool lay_out_initializer(INITIALIZER_LIST& list, C_PROGRAM& program,
                         std::vector<C_TYPE*>& word_types);
