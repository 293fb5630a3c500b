// `enum`: every enumeration is an int, and each enumerator a name for a constant of the file,
// bound when a name is resolved. An enumerator without a value is the one before it plus 1, the
// first one 0, as in C; a value is any constant expression. The tag is read and not kept: one enum
// type is every other.
#include "base/position.h"
#include "cfront/binary.h"
#include "cfront/c_name.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/constant.h"
#include "cfront/macro.h"

namespace {

// The previous enumerator plus 1, or 0 for the first.
EXPRESSION* implicit_value(C_PARSER& parser, const NAME* previous, POSITION at) {
  C_PROGRAM& program = parser.program;
  if (previous == nullptr) return program.make<DECIMAL_CONSTANT>(at, at, 0);
  NAME* before = program.make<NAME>(previous->text, nullptr, nullptr, at, at);
  return program.make<BINARY_PLUS>(at, before, program.make<DECIMAL_CONSTANT>(at, at, 1));
}

// enumerator := identifier [ "=" conditional ]
const NAME* parse_enumerator(C_PARSER& parser, const NAME* previous) {
  if (!parser.read_identifier()) parser.syntax_error();
  NAME* name = parser.make_name();
  DEFINE_MACRO* enumerator = parser.program.make<DEFINE_MACRO>(name, name->position);
  if (parser.match_char('=')) {
    enumerator->value = parser.parse_conditional();
    if (enumerator->value == nullptr) parser.report(parser.cursor_position(), "Expression expected.");
  }
  if (enumerator->value == nullptr)
    enumerator->value = implicit_value(parser, previous, name->position);
  if (parser.file != nullptr) parser.file->macros.push_back(enumerator);
  return name;
}

}  // namespace

// enum := "enum" [ tag ] [ "{" enumerator { "," enumerator } [ "," ] "}" ]   (after "enum")
C_TYPE* C_PARSER::parse_enum(POSITION at) {
  read_identifier();
  if (!match_char('{')) return program.make<INT_TYPE>(at);
  const NAME* previous = nullptr;
  do {
    if (current() == '}') break;
    previous = parse_enumerator(*this, previous);
  } while (match_char(','));
  expect_char('}');
  declared_enumerators = true;
  return program.make<INT_TYPE>(at);
}
