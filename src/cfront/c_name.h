// An identifier occurrence. Interned texts are compared by identity. A name not bound while it
// was parsed stays a NAME in the expression and is bound on its first simplify or type_of:
// macros of its file, then the parameters of its function, else "Undefined name.".
#pragma once

#include <string>

#include "cfront/expression.h"

class COMPOUND;
class C_FUNCTION;

// A program-wide interned string: equal texts are the same object.
using INTERNED = const std::string*;

class NAME final : public OF_KIND<EXPRESSION, EXPRESSION_KIND::name> {
 public:
  NAME(INTERNED text, COMPOUND* block, C_FUNCTION* function, POSITION position, POSITION last)
      : text(text), block(block), function(function), position(position), last(last) {}

  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
  void check_writable(C_PROGRAM& program) override;
  bool is_boolean(C_PROGRAM&) override { return false; }
  POSITION position_of() const override { return position; }
  POSITION end_position() const override { return last; }

  INTERNED text;
  COMPOUND* block;       // innermost block enclosing it when read; none at file level
  C_FUNCTION* function;  // the function whose body holds it; none at file level
  POSITION position;
  POSITION last;                     // its last character
  EXPRESSION* resolution = nullptr;  // set by the late binding
  bool resolved = false;

 private:
  void bind(C_PROGRAM& program);
};
