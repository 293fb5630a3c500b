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

// One kind per concrete statement class.
enum class STATEMENT_KIND {
  compound,
  expression_statement,
  if_else,
  while_loop,
  do_while,
  for_loop,
  case_clause,
  default_clause,
  switch_statement,
  label,
  goto_statement,
  break_statement,
  continue_statement,
  return_without_expression,
  return_expression,
  asm_call,
  asm_macro,
  declaration,
};

class STATEMENT : public C_NODE {
 public:
  virtual void check(C_PROGRAM& program) = 0;
  STATEMENT_KIND kind() const { return kind_; }

  class COMPOUND* block;  // the block it was parsed in (none for a function body)
  POSITION start;         // where it begins, set by the parser

 protected:
  STATEMENT(STATEMENT_KIND kind, class COMPOUND* block) : block(block), kind_(kind) {}

 private:
  const STATEMENT_KIND kind_;
};

class COMPOUND final : public OF_KIND<STATEMENT, STATEMENT_KIND::compound> {
 public:
  COMPOUND(COMPOUND* enclosing, POSITION open_brace)
      : OF_KIND(enclosing), enclosing(enclosing), open_brace(open_brace) {}
  // Its head declarations from the last to the first, then its statements from the last to
  // the first.
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
