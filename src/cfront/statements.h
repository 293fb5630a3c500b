// The statements of a block. Each `case` and `default` owns the statements up to the next one
// (several make a block of its own) and leaves the switch at their end: there is no
// fall-through. Sub-statements are none when nothing was parsed for them.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "cfront/c_name.h"
#include "cfront/compound.h"

class DECIMAL_CONSTANT;
class DECLARATOR;
class EXPRESSION;
class GOTO;

class EXPRESSION_STATEMENT final : public OF_KIND<STATEMENT, STATEMENT_KIND::expression_statement> {
 public:
  EXPRESSION_STATEMENT(COMPOUND* block, POSITION semicolon, EXPRESSION* expression)
      : OF_KIND(block), semicolon(semicolon), expression(expression) {}
  void check(C_PROGRAM& program) override;

  POSITION semicolon;
  EXPRESSION* expression;
};

class IF_ELSE final : public OF_KIND<STATEMENT, STATEMENT_KIND::if_else> {
 public:
  IF_ELSE(COMPOUND* block, POSITION position, EXPRESSION* condition)
      : OF_KIND(block), position(position), condition(condition) {}
  void check(C_PROGRAM& program) override;

  POSITION position;
  EXPRESSION* condition;
  STATEMENT* then_statement = nullptr;
  STATEMENT* else_statement = nullptr;
};

class WHILE final : public OF_KIND<STATEMENT, STATEMENT_KIND::while_loop> {
 public:
  WHILE(COMPOUND* block, POSITION position, EXPRESSION* condition)
      : OF_KIND(block), position(position), condition(condition) {}
  void check(C_PROGRAM& program) override;

  POSITION position;
  EXPRESSION* condition;
  STATEMENT* body = nullptr;
};

class DO_WHILE final : public OF_KIND<STATEMENT, STATEMENT_KIND::do_while> {
 public:
  DO_WHILE(COMPOUND* block, POSITION position) : OF_KIND(block), position(position) {}
  void check(C_PROGRAM& program) override;

  POSITION position;
  EXPRESSION* condition = nullptr;
  STATEMENT* body = nullptr;
};

class FOR final : public OF_KIND<STATEMENT, STATEMENT_KIND::for_loop> {
 public:
  FOR(COMPOUND* block, POSITION position) : OF_KIND(block), position(position) {}
  // A missing condition becomes the constant 1 at the first `;`.
  void check(C_PROGRAM& program) override;

  POSITION position;
  EXPRESSION* initial = nullptr;
  EXPRESSION* condition = nullptr;
  EXPRESSION* step = nullptr;
  POSITION first_semicolon;
  STATEMENT* body = nullptr;
};

class CASE final : public OF_KIND<STATEMENT, STATEMENT_KIND::case_clause> {
 public:
  CASE(COMPOUND* block, POSITION position, EXPRESSION* expression, STATEMENT* statement)
      : OF_KIND(block), position(position), expression(expression), statement(statement) {}
  void check(C_PROGRAM& program) override;

  POSITION position;  // the cursor after its statement
  EXPRESSION* expression;
  STATEMENT* statement;
  DECIMAL_CONSTANT* value = nullptr;  // set by the check
};

class DEFAULT final : public OF_KIND<STATEMENT, STATEMENT_KIND::default_clause> {
 public:
  DEFAULT(COMPOUND* block, POSITION position, STATEMENT* statement)
      : OF_KIND(block), position(position), statement(statement) {}
  void check(C_PROGRAM& program) override;

  POSITION position;
  STATEMENT* statement;
};

class SWITCH final : public OF_KIND<STATEMENT, STATEMENT_KIND::switch_statement> {
 public:
  SWITCH(COMPOUND* block, POSITION position, EXPRESSION* expression)
      : OF_KIND(block), position(position), expression(expression) {}
  void check(C_PROGRAM& program) override;

  POSITION position;
  EXPRESSION* expression;
  std::vector<CASE*> cases;
  DEFAULT* default_clause = nullptr;
  // Statements of its body that belong to no case (those before the first): each is reported
  // when the switch is checked.
  std::vector<STATEMENT*> outside_cases;
  // How many statements its body left just before it in its block (its body block, a label).
  std::size_t body_length = 0;
  // How many blocks are open inside its body block: a clause standing there takes every
  // statement up to the next clause.
  std::size_t body_depth = 0;
};

class LABEL final : public OF_KIND<STATEMENT, STATEMENT_KIND::label> {
 public:
  LABEL(COMPOUND* block, NAME* name) : OF_KIND(block), name(name) {}
  void check(C_PROGRAM&) override {}

  NAME* name;
  int address = -1;  // placed by the code generator
  std::vector<GOTO*> gotos;
};

class GOTO final : public OF_KIND<STATEMENT, STATEMENT_KIND::goto_statement> {
 public:
  GOTO(COMPOUND* block, POSITION position, NAME* target)
      : OF_KIND(block), position(position), target(target) {}
  void check(C_PROGRAM& program) override;

  POSITION position;
  NAME* target;
  LABEL* label = nullptr;  // found by the check
};

// `break;` leaves the innermost loop or switch, `continue;` goes to the innermost loop's next
// turn (its step, or its test). One with nothing to leave is reported by the check.
class LOOP_JUMP : public STATEMENT {
 public:
  void check(C_PROGRAM& program) override;

  POSITION position;
  bool has_target;  // a loop (for a break, a loop or a switch) encloses it

 protected:
  LOOP_JUMP(STATEMENT_KIND kind, COMPOUND* block, POSITION position, bool has_target)
      : STATEMENT(kind, block), position(position), has_target(has_target) {}
};

class BREAK final : public OF_KIND<LOOP_JUMP, STATEMENT_KIND::break_statement> {
 public:
  using OF_KIND::OF_KIND;

  bool leaves_switch = false;  // its innermost loop or switch is a switch
};

class CONTINUE final : public OF_KIND<LOOP_JUMP, STATEMENT_KIND::continue_statement> {
 public:
  using OF_KIND::OF_KIND;
};

// Declarations after a statement of their block: they are declared, and their initialisers
// run, where they stand. The block's declaration list holds them too, for the names.
class DECLARATION_STATEMENT final : public OF_KIND<STATEMENT, STATEMENT_KIND::declaration> {
 public:
  DECLARATION_STATEMENT(COMPOUND* block, std::vector<DECLARATOR*> declarators)
      : OF_KIND(block), declarators(std::move(declarators)) {}
  // From the last declarator to the first.
  void check(C_PROGRAM& program) override;

  std::vector<DECLARATOR*> declarators;  // in source order; nullptr for a type alone
};

class RETURN_WITHOUT_EXPRESSION final
    : public OF_KIND<STATEMENT, STATEMENT_KIND::return_without_expression> {
 public:
  RETURN_WITHOUT_EXPRESSION(COMPOUND* block, POSITION position, POSITION semicolon)
      : OF_KIND(block), position(position), semicolon(semicolon) {}
  void check(C_PROGRAM& program) override;

  POSITION position;
  POSITION semicolon;
};

class RETURN_EXPRESSION final : public OF_KIND<STATEMENT, STATEMENT_KIND::return_expression> {
 public:
  RETURN_EXPRESSION(COMPOUND* block, POSITION position, POSITION semicolon, EXPRESSION* expression)
      : OF_KIND(block), position(position), semicolon(semicolon), expression(expression) {}
  void check(C_PROGRAM& program) override;

  POSITION position;
  POSITION semicolon;
  EXPRESSION* expression;
};
