// Compound literals: the object is declared where it stands, in the innermost block, with a
// name no program can write, and initialised as a local's list is.
#include "cfront/compound_literal.h"

#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/declarations.h"
#include "cfront/initializer_tree.h"
#include "cfront/struct_type.h"

COMPOUND_LITERAL::COMPOUND_LITERAL(COMPOUND* block, NAME* use, INITIALIZER_LIST* list)
    : LOCAL_VARIABLE(block, use, list->declared()), list(list) {}

EXPRESSION* COMPOUND_LITERAL::simplify(C_PROGRAM& program) {
  list->check(program);
  return LOCAL_VARIABLE::simplify(program);
}

EXPRESSION* parse_compound_literal(C_PARSER& parser, POSITION open_parenthesis, C_TYPE* type) {
  if (parser.innermost_block() == nullptr)
    parser.not_implemented("a compound literal outside a function");
  if (layout_of(type) == nullptr) parser.not_implemented("a compound literal of a scalar type");
  C_PROGRAM& program = parser.program;
  parser.match_char('{');
  NAME* name = program.make<NAME>(program.intern("(compound literal)"), parser.innermost_block(),
                                  parser.current_function, open_parenthesis, open_parenthesis);
  auto* object = program.make<TYPE_AND_NAME>(type, name);
  auto* list = program.make<INITIALIZER_LIST>(parser.token_start(), object);
  read_initializer_list(parser, *list);
  for (DECLARATOR* part : {static_cast<DECLARATOR*>(list), static_cast<DECLARATOR*>(object)})
    part->in_block = true;
  name->last = list->close_brace;
  return program.make<COMPOUND_LITERAL>(parser.innermost_block(), name, list);
}
