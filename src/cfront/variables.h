// What a name in an expression is bound to: a local of an enclosing block, a parameter of the
// function, or a file-level declaration of the same file. Each keeps the NAME of the use, for
// positions, and its declaration, for the type and the storage the code generator gives it.
#pragma once

#include "cfront/declarations.h"
#include "cfront/expression.h"

class COMPOUND;

// Locals and globals share their behaviour; a global also enters the used declarations.
class VARIABLE : public EXPRESSION {
 public:
  // Checks the declarator; an array answers a constant holding its RAM start address.
  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
  // A const variable is reported by its name.
  void check_writable(C_PROGRAM& program) override;
  void take_address(C_PROGRAM& program) override;
  POSITION position_of() const override { return use->position; }
  POSITION end_position() const override { return use->last; }

  NAME* use;
  DECLARATOR* declarator;  // TYPE_AND_NAME or ARRAY_TYPE (an initialiser's declarator)

 protected:
  VARIABLE(EXPRESSION_KIND kind, NAME* use, DECLARATOR* declarator)
      : EXPRESSION(kind), use(use), declarator(declarator) {}
};

class LOCAL_VARIABLE : public OF_KIND<VARIABLE, EXPRESSION_KIND::local_variable> {
 public:
  LOCAL_VARIABLE(COMPOUND* block, NAME* use, DECLARATOR* declarator)
      : OF_KIND(use, declarator), block(block) {}
  COMPOUND* block;  // the block that declares it
};

class GLOBAL_VARIABLE final : public OF_KIND<VARIABLE, EXPRESSION_KIND::global_variable> {
 public:
  GLOBAL_VARIABLE(COMPOUND* block, NAME* use, DECLARATOR* declaration)
      : OF_KIND(use, declaration), block(block), declaration(declaration) {}
  EXPRESSION* simplify(C_PROGRAM& program) override;
  COMPOUND* block;          // the block of the use
  DECLARATOR* declaration;  // as written at file level (an initialiser stays one)
};

class ARGUMENT final : public OF_KIND<EXPRESSION, EXPRESSION_KIND::argument> {
 public:
  ARGUMENT(NAME* use, ARGUMENT_DECLARATION* declaration) : use(use), declaration(declaration) {}
  EXPRESSION* simplify(C_PROGRAM&) override { return this; }
  C_TYPE* type_of(C_PROGRAM&) override { return declaration->type; }
  // A const parameter is reported by its name.
  void check_writable(C_PROGRAM& program) override;
  POSITION position_of() const override { return use->position; }
  POSITION end_position() const override { return use->last; }

  NAME* use;
  ARGUMENT_DECLARATION* declaration;
};

// Reports the change of a named object whose type is const, at position.
void check_not_const(const C_TYPE* type, const NAME& name, const POSITION& position,
                     C_PROGRAM& program);
