// Function pointer types, their declarators, function addresses and calls through pointers.
// A parenthesised declarator is read in two passes: the pointer levels and the name first, then
// past the closing parenthesis the parameters that make the pointed-to function type, then
// back inside for the suffixes on the name (`[4]`, or the parameters of a function returning
// such a pointer), which apply to that complete type.
#include "cfront/function_pointer.h"

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/c_function.h"
#include "cfront/c_name.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/calls.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"

namespace {

// Beyond this, a pointer number would not fit the comparison of one instruction.
constexpr int most_functions_taken = 63;

// The pointer levels written inside the parentheses: `*` with its qualifiers, outermost last.
std::vector<bool> read_pointer_levels(C_PARSER& parser) {
  std::vector<bool> levels;
  while (parser.match_char('*')) {
    bool is_const = false;
    for (;;) {
      if (parser.match_keyword("const"))
        is_const = true;
      else if (!parser.match_keyword("volatile"))
        break;
    }
    levels.push_back(is_const);
  }
  return levels;
}

C_TYPE* pointers_to(C_PROGRAM& program, C_TYPE* type, const std::vector<bool>& levels,
                    POSITION at) {
  if (type == nullptr) return nullptr;
  for (bool is_const : levels) {
    type = program.make<POINTER_TYPE>(at, type);
    type->is_const = is_const;
  }
  return type;
}

// type_parameter := specifiers pointers ( "(" parenthesised_parameter | [ identifier ] )
// In a function pointer's type a parameter's name is optional.
ARGUMENT_DECLARATION* parse_type_parameter(C_PARSER& parser) {
  C_PROGRAM& program = parser.program;
  if (parser.current() == '.') parser.not_implemented("a variable argument list (...)");
  C_TYPE* type = parser.parse_specifiers(nullptr);
  type = pointers_to(program, type, read_pointer_levels(parser), parser.cursor_position());
  if (parser.current() == '(') return parenthesised_parameter(parser, type);
  NAME* name = parser.read_identifier() ? parser.make_name() : nullptr;
  parser.skip_blanks();
  if (parser.current() != ',' && parser.current() != ')') parser.not_implemented();
  return program.make<ARGUMENT_DECLARATION>(type, name);
}

// outer_suffix := [ "(" [ type_parameter { "," type_parameter } ] ")" ]   (after the
//                 parenthesised part)
// The function type the pointers point to; a pointer to an array is left out.
C_TYPE* parse_outer_suffix(C_PARSER& parser, C_TYPE* type) {
  parser.skip_blanks();
  if (parser.current() == '[') parser.not_implemented("a pointer to an array");
  if (!parser.match_char('(')) return type;
  C_PROGRAM& program = parser.program;
  PARAMETER_LIST* parameters = program.make<PARAMETER_LIST>(parser.token_start());
  if (!parser.match_char(')')) {
    do {
      parameters->parameters.push_back(parse_type_parameter(parser));
    } while (parser.match_char(','));
    parser.expect_char(')');
  }
  if (type == nullptr) return nullptr;
  return program.make<FUNCTION_TYPE>(parameters->open_parenthesis, type, parameters);
}

// Moves the cursor onto the `)` closing the parenthesis the cursor is inside of.
void skip_to_closing_parenthesis(C_PARSER& parser) {
  int depth = 1;
  while (!parser.at_end_of_file()) {
    if (parser.current() == '(') ++depth;
    if (parser.current() == ')' && --depth == 0) return;
    parser.next_char();
  }
  parser.expect_char(')');
}

// parenthesised_declarator := declarator ")" declarator_suffixes   (no star inside: redundant)
DECLARATOR* parse_redundant_parentheses(C_PARSER& parser, C_TYPE* type) {
  DECLARATOR* inner = parser.parse_declarator(type);
  parser.expect_char(')');
  return parser.parse_declarator_suffixes(inner);
}

}  // namespace

std::string FUNCTION_TYPE::display_name() const {
  std::string text = return_type->display_name() + "(";
  if (parameters != nullptr)
    for (std::size_t k = 0; k < parameters->parameters.size(); ++k) {
      const C_TYPE* parameter = parameters->parameters[k]->type;
      text += (k > 0 ? "," : "") + (parameter != nullptr ? parameter->display_name() : "?");
    }
  return text + ")";
}

const FUNCTION_TYPE* pointed_function(const C_TYPE* type) {
  const auto* pointer = kind_cast<POINTER_TYPE>(type);
  return pointer != nullptr ? kind_cast<FUNCTION_TYPE>(pointer->pointed_to) : nullptr;
}

bool points_to_no_object(const C_TYPE* type) {
  const auto* pointer = kind_cast<POINTER_TYPE>(type);
  return pointer != nullptr && (pointer->pointed_to->is_void() ||
                                kind_cast<FUNCTION_TYPE>(pointer->pointed_to) != nullptr);
}

bool same_function_type(const FUNCTION_TYPE& first, const FUNCTION_TYPE& second) {
  if (!same_type_when_known(first.return_type, second.return_type)) return false;
  if (first.parameters == nullptr || second.parameters == nullptr) return true;
  const auto& ours = first.parameters->parameters;
  const auto& theirs = second.parameters->parameters;
  if (ours.empty() || theirs.empty()) return true;
  if (ours.size() != theirs.size()) return false;
  for (std::size_t k = 0; k < ours.size(); ++k)
    if (!same_type_when_known(ours[k]->type, theirs[k]->type)) return false;
  return true;
}

// parenthesised_declarator := pointers identifier inner_suffixes ")" outer_suffix
//                           | declarator ")" declarator_suffixes
DECLARATOR* parse_parenthesised_declarator(C_PARSER& parser, C_TYPE* type) {
  parser.match_char('(');
  parser.skip_blanks();
  if (parser.current() != '*') return parse_redundant_parentheses(parser, type);
  const POSITION star = parser.cursor_position();
  const std::vector<bool> levels = read_pointer_levels(parser);
  if (parser.current() == '(') parser.not_implemented("nested parenthesised declarators");
  if (!parser.read_identifier()) parser.not_implemented();
  NAME* name = parser.make_name();
  const int inner_line = parser.line();
  const int inner_column = parser.column();
  skip_to_closing_parenthesis(parser);
  parser.next_char();
  C_PROGRAM& program = parser.program;
  C_TYPE* full = pointers_to(program, parse_outer_suffix(parser, type), levels, star);
  const int end_line = parser.line();
  const int end_column = parser.column();
  parser.set_cursor(inner_line, inner_column);
  DECLARATOR* declarator =
      parser.parse_declarator_suffixes(program.make<TYPE_AND_NAME>(full, name));
  parser.expect_char(')');
  parser.set_cursor(end_line, end_column);
  return declarator;
}

// abstract_function_pointer := "(" pointers ")" outer_suffix   (at the "(")
C_TYPE* parse_abstract_function_pointer(C_PARSER& parser, C_TYPE* type) {
  parser.match_char('(');
  const POSITION star = parser.cursor_position();
  const std::vector<bool> levels = read_pointer_levels(parser);
  if (levels.empty()) parser.not_implemented();
  parser.expect_char(')');
  return pointers_to(parser.program, parse_outer_suffix(parser, type), levels, star);
}

ARGUMENT_DECLARATION* parenthesised_parameter(C_PARSER& parser, C_TYPE* type) {
  const int line = parser.line();
  const int column = parser.column();
  parser.match_char('(');
  read_pointer_levels(parser);
  const bool named = parser.read_identifier();
  parser.set_cursor(line, column);
  C_PROGRAM& program = parser.program;
  if (!named)
    return program.make<ARGUMENT_DECLARATION>(parse_abstract_function_pointer(parser, type),
                                              nullptr);
  DECLARATOR* declarator = parse_parenthesised_declarator(parser, type);
  auto* named_declarator = kind_cast<TYPE_AND_NAME>(declarator);
  if (named_declarator == nullptr)
    parser.not_implemented("an array of function pointers as parameter");
  return program.make<ARGUMENT_DECLARATION>(named_declarator->type(), named_declarator->name());
}

FUNCTION_TYPE* function_type_of(C_PROGRAM& program, const C_FUNCTION& function) {
  return program.make<FUNCTION_TYPE>(function.position, function.return_type, function.parameters);
}

EXPRESSION* function_address(C_PROGRAM& program, C_FUNCTION& function, const NAME& use) {
  if (function.pointer_number == 0) {
    program.address_taken.push_back(&function);
    function.pointer_number = static_cast<int>(program.address_taken.size());
    if (function.pointer_number > most_functions_taken)
      program.services.error_handler.error_at(use.position,
                                              "The addresses of more than 63 functions are taken.");
  }
  auto* value = program.make<DECIMAL_CONSTANT>(use.position, use.last, function.pointer_number);
  value->type = program.make<POINTER_TYPE>(use.position, function_type_of(program, function));
  program.enter_in_pool(*value);
  program.make_live(function);
  return value;
}

void check_call_through_pointer(FUNCTION_CALL& call, C_PROGRAM& program) {
  EXPRESSION* value = simplify_value(call.pointer, program);
  if (value == nullptr || kind_cast<NAME>(value) != nullptr) return;
  call.pointer_type = pointed_function(value->type_of(program));
  if (call.pointer_type == nullptr) {
    program.services.error_handler.error_at(call.callee->position,
                                            "Only a function or a function pointer can be called.");
    return;
  }
  program.calls_through_pointers.push_back(&call);
  check_call_arguments(program, call.arguments, call.pointer_type->parameters,
                       call.callee->position);
}

// The candidates' calls reach them as direct calls do: their parameters and results get media,
// and the recursion analysis sees the caller reach them.
void bind_calls_through_pointers(C_PROGRAM& program) {
  for (FUNCTION_CALL* call : program.calls_through_pointers)
    for (C_FUNCTION* function : program.address_taken) {
      if (!same_function_type(*function_type_of(program, *function), *call->pointer_type)) continue;
      auto* direct = program.make<FUNCTION_CALL>(call->callee);
      direct->checked = true;
      direct->function = function;
      direct->arguments = call->arguments;
      direct->closing_parenthesis = call->closing_parenthesis;
      function->calls.push_back(direct);
      call->candidates.push_back(direct);
    }
}
