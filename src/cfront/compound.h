// Statements and the block that holds them. Every statement records the block it was parsed
// in; `check` runs once, when the enclosing function is checked (from its last statement up).
#pragma once

#include <vector>

#include "base/position.h"
#include "cfront/c_node.h"

class C_FUNCTION;
class C_PROGRAM;
class DECLARATION_LIST;
class LABEL;

class STATEMENT : public C_NODE {
 public:
  explicit STATEMENT(class COMPOUND* block) : block(block) {}
  virtual void check(C_PROGRAM& program) = 0;

  class COMPOUND* block;  // the block it was parsed in (none for a function body)
  POSITION start;         // where it begins, set by the parser
};

class COMPOUND final : public STATEMENT {
 public:
  COMPOUND(COMPOUND* enclosing, POSITION open_brace)
      : STATEMENT(enclosing), enclosing(enclosing), open_brace(open_brace) {}
  // Declarations from the last to the first, then statements from the last to the first.
  void check(C_PROGRAM& program) override;
  // The function it belongs to: set on a body, found through the enclosing blocks otherwise.
  C_FUNCTION* owning_function();

  COMPOUND* enclosing;  // none for a function body
  POSITION open_brace;
  POSITION close_brace;
  DECLARATION_LIST* declarations = nullptr;
  std::vector<STATEMENT*> statements;  // in source order
  std::vector<LABEL*> labels;
  C_FUNCTION* function = nullptr;
};
