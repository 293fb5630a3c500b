// A compound literal `(struct point){1, 2}`: an unnamed local object with its initialiser list,
// used as a variable is. Its words are stored each time the code reaches it.
#pragma once

#include "cfront/variables.h"

class C_PARSER;
class INITIALIZER_LIST;

class COMPOUND_LITERAL final : public LOCAL_VARIABLE {
 public:
  COMPOUND_LITERAL(COMPOUND* block, NAME* use, INITIALIZER_LIST* list);
  // The list is laid out and checked, then the object is used as a variable.
  EXPRESSION* simplify(C_PROGRAM& program) override;

  INITIALIZER_LIST* list;
};

// compound_literal := "(" type-name ")" "{" initializer_items   (at the "{")
EXPRESSION* parse_compound_literal(C_PARSER& parser, POSITION open_parenthesis, C_TYPE* type);
