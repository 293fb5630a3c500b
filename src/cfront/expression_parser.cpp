// Every level of the C expression grammar, from the comma down to the postfix operators, and
// the binding of names while they are read. Each binary level is one table of operators read
// left-associatively; a refused operator is refused only once its right operand has been read.
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

#include "base/kind_cast.h"
#include "cfront/assignments.h"
#include "cfront/binary.h"
#include "cfront/c_function.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/calls.h"
#include "cfront/compound.h"
#include "cfront/compound_literal.h"
#include "cfront/conditional.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"
#include "cfront/function_pointer.h"
#include "cfront/member_access.h"
#include "cfront/relational.h"
#include "cfront/string_literal.h"
#include "cfront/struct_type.h"
#include "cfront/unary.h"
#include "cfront/variables.h"

namespace {

using BUILD = EXPRESSION* (*)(C_PROGRAM&, POSITION, EXPRESSION*, EXPRESSION*);

// One operator of a level: how it is written, the characters right after it that make it
// another operator, the message for a missing right operand, and its node (none: refused).
struct OPERATOR {
  std::string_view spelling;
  std::string_view not_followed_by;
  std::string_view missing_operand;
  BUILD build;
};

template <class NODE>
EXPRESSION* build(C_PROGRAM& program, POSITION at, EXPRESSION* left, EXPRESSION* right) {
  return program.make<NODE>(at, left, right);
}

template <class NODE>
EXPRESSION* build_relational(C_PROGRAM& program, POSITION at, EXPRESSION* left, EXPRESSION* right) {
  return program.make<NODE>(at, left, right, program.make<INT_TYPE>(at));
}

constexpr OPERATOR assignment_operators[] = {
    {"<<=", "", "Right hand side of <<= expected.", build<SHIFT_LEFT_ASSIGNMENT>},
    {">>=", "", "Right hand side of >>= expected.", build<SHIFT_RIGHT_ASSIGNMENT>},
    {"+=", "", "Right hand side of += expected.", build<PLUS_ASSIGNMENT>},
    {"-=", "", "Right hand side of -= expected.", build<MINUS_ASSIGNMENT>},
    {"*=", "", "Right hand side of *= expected.", build<MULTIPLY_ASSIGNMENT>},
    {"/=", "", "Right hand side of /= expected.", build<DIVIDE_ASSIGNMENT>},
    {"%=", "", "Right hand side of %= expected.", build<MODULO_ASSIGNMENT>},
    {"&=", "", "Right hand side of &= expected.", build<AND_ASSIGNMENT>},
    {"^=", "", "Right hand side of ^= expected.", build<XOR_ASSIGNMENT>},
    {"|=", "", "Right hand side of |= expected.", build<OR_ASSIGNMENT>},
    {"=", "=", "Right hand side of = expected.", build<SIMPLE_ASSIGNMENT>},
};

constexpr OPERATOR logical_or_operators[] = {
    {"||", "", "Right hand side of || expected.", build<LOGICAL_OR>}};
constexpr OPERATOR logical_and_operators[] = {
    {"&&", "", "Right hand side of && expected.", build<LOGICAL_AND>}};
constexpr OPERATOR inclusive_or_operators[] = {
    {"|", "|=", "Right hand side of | expected.", build<INCLUSIVE_OR>}};
constexpr OPERATOR exclusive_or_operators[] = {
    {"^", "=", "Right hand side of ^ expected.", build<EXCLUSIVE_OR>}};
constexpr OPERATOR and_operators[] = {
    {"&", "&=", "Right hand side of & expected.", build<BASIC_AND>}};

constexpr OPERATOR equality_operators[] = {
    {"==", "", "Right hand side of == expected.", build_relational<RELATIONAL_EQ>},
    {"!=", "", "Right hand side of != expected.", build_relational<RELATIONAL_NEQ>},
};

constexpr OPERATOR relational_operators[] = {
    {"<=", "", "Right hand side of <= expected.", build_relational<RELATIONAL_LE>},
    {">=", "", "Right hand side of >= expected.", build_relational<RELATIONAL_GE>},
    {"<", "<", "Right hand side of < expected.", build_relational<RELATIONAL_LT>},
    {">", ">", "Right hand side of > expected.", build_relational<RELATIONAL_GT>},
};

constexpr OPERATOR shift_operators[] = {
    {"<<", "=", "Right hand side of << expected.", build<SHIFT_LEFT>},
    {">>", "=", "Right hand side of >> expected.", build<SHIFT_RIGHT>},
};

constexpr OPERATOR additive_operators[] = {
    {"+", "=", "Right hand side of + expected.", build<BINARY_PLUS>},
    {"-", "=", "Right hand side of - expected.", build<BINARY_MINUS>},
};

constexpr OPERATOR multiplicative_operators[] = {
    {"*", "=", "Right hand side of * expected.", build<MULTIPLY>},
    {"/", "=", "Right hand side of / expected.", build<DIVIDE>},
    {"%", "=", "Right hand side of % expected.", build<MODULO>},
};

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// The text at the cursor begins with spelling followed by none of not_followed_by; the cursor
// does not move.
bool at_operator(C_PARSER& parser, std::string_view spelling, std::string_view not_followed_by) {
  const int line = parser.line();
  const int column = parser.column();
  bool found = true;
  for (char c : spelling) {
    if (parser.current() != c) {
      found = false;
      break;
    }
    parser.next_char();
  }
  found = found && not_followed_by.find(parser.current()) == std::string_view::npos;
  parser.set_cursor(line, column);
  return found;
}

bool match_spelling(C_PARSER& parser, std::string_view spelling) {
  switch (spelling.size()) {
    case 1:
      return parser.match_char(spelling[0]);
    case 2:
      return parser.match_two(spelling[0], spelling[1]);
    default:
      return parser.match_three(spelling[0], spelling[1], spelling[2]);
  }
}

// The first operator of the table written at the cursor, consumed; none when no operator is.
const OPERATOR* match_operator(C_PARSER& parser, std::span<const OPERATOR> operators) {
  for (const OPERATOR& candidate : operators)
    if (at_operator(parser, candidate.spelling, candidate.not_followed_by) &&
        match_spelling(parser, candidate.spelling))
      return &candidate;
  return nullptr;
}

// The right operand of a matched operator: its message when it is missing, the refusal of a
// refused operator, else the operator's node. Answers left when no node is made.
EXPRESSION* apply_operator(C_PARSER& parser, const OPERATOR& found, POSITION at, EXPRESSION* left,
                           EXPRESSION* right) {
  if (right == nullptr) parser.report(parser.cursor_position(), found.missing_operand);
  if (found.build == nullptr) parser.not_implemented();
  return right == nullptr
             ? left
             : parser.bounded(found.build(parser.program, at, left, right), left, right);
}

// level := operand { operator operand }
EXPRESSION* parse_binary_level(C_PARSER& parser, std::span<const OPERATOR> operators,
                               EXPRESSION* (C_PARSER::*parse_operand)()) {
  EXPRESSION* left = (parser.*parse_operand)();
  if (left == nullptr) return nullptr;
  while (const OPERATOR* found = match_operator(parser, operators)) {
    const POSITION at = parser.token_start();
    left = apply_operator(parser, *found, at, left, (parser.*parse_operand)());
  }
  return left;
}

// The words a type name may begin with (the refused ones are refused by the specifiers).
constexpr std::string_view type_name_words[] = {"void",   "char",     "short", "int",      "long",
                                                "signed", "unsigned", "const", "volatile", "float",
                                                "double", "struct",   "union", "enum"};

bool at_type_name(C_PARSER& parser) {
  for (std::string_view word : type_name_words)
    if (parser.next_word_is(word)) return true;
  return parser.at_type_name_word();
}

// type-name := specifiers { "*" } [ abstract_function_pointer ] ")"   (after the "(" of a cast
//              or of sizeof)
C_TYPE* parse_type_name(C_PARSER& parser) {
  C_TYPE* type = parser.parse_specifiers(nullptr);
  while (parser.match_char('*'))
    type = parser.program.make<POINTER_TYPE>(parser.token_start(), type);
  if (parser.current() == '(') type = parse_abstract_function_pointer(parser, type);
  parser.expect_char(')');
  return type;
}

// What follows `(` starts an expression, not a cast: a digit, one of - + * & ~ ! (, the word
// sizeof, or a name (no name is a type name: typedef is refused).
bool starts_parenthesised_expression(C_PARSER& parser) {
  const char c = parser.current();
  if (c != 0 && (is_digit(c) || std::string_view("-+*&~!(").find(c) != std::string_view::npos))
    return true;
  if (parser.next_word_is("sizeof")) return true;
  const int line = parser.line();
  const int column = parser.column();
  const bool name = parser.read_identifier();
  parser.set_cursor(line, column);
  return name;
}

// cast := "(" type-name ( unary | compound_literal )   (after the "(", at the type name)
EXPRESSION* parse_cast(C_PARSER& parser, POSITION open_parenthesis) {
  C_TYPE* type = parse_type_name(parser);
  if (parser.current() == '{')
    return parser.parse_postfix(parse_compound_literal(parser, open_parenthesis, type));
  EXPRESSION* operand = parser.parse_unary();
  if (operand == nullptr) return nullptr;
  return parser.bounded(parser.program.make<CAST>(open_parenthesis, operand, type), operand);
}

// parenthesised := "(" expression ")" postfix | cast   (after the "(")
EXPRESSION* parse_parenthesised(C_PARSER& parser) {
  const POSITION open_parenthesis = parser.token_start();
  if (at_type_name(parser)) return parse_cast(parser, open_parenthesis);
  if (!starts_parenthesised_expression(parser)) parser.not_implemented();
  EXPRESSION* inner = parser.parse_expression();
  parser.expect_char(')');
  return parser.parse_postfix(inner);
}

// prefix := ( "&" | "*" | "-" ) unary   (after the operator)
template <class NODE>
EXPRESSION* parse_prefix(C_PARSER& parser) {
  const POSITION at = parser.token_start();
  EXPRESSION* operand = parser.parse_unary();
  return operand == nullptr ? nullptr
                            : parser.bounded(parser.program.make<NODE>(at, operand), operand);
}

// sizeof := "sizeof" ( "(" type-name | unary )   (after the word). A type's size is known
// now: every scalar and pointer takes one word, a structure its layout's words.
EXPRESSION* parse_sizeof(C_PARSER& parser) {
  const POSITION at = parser.token_start();
  const int line = parser.line();
  const int column = parser.column();
  if (parser.match_char('(') && at_type_name(parser)) {
    C_TYPE* type = parse_type_name(parser);
    const POSITION end = parser.cursor_position().shifted(-1);
    if (type->is_void()) parser.report(at, "sizeof of void.");
    const int32_t words = words_of_type(type);
    if (words == 0) report_going_on(parser, at, "sizeof of an incomplete type.");
    return parser.program.make<DECIMAL_CONSTANT>(at, end, type->is_void() ? 1 : words);
  }
  parser.set_cursor(line, column);
  EXPRESSION* operand = parser.parse_unary();
  if (operand == nullptr) return nullptr;
  return parser.bounded(parser.program.make<SIZE_OF>(at, operand), operand);
}

// The prefix operators C defines through others, built as those: `!a` is `a == 0`, `~a` is
// `a ^ -1` (every bit flipped at any width), `++a` is `a += 1` and `--a` is `a -= 1`. The
// constant stands at the operand's end, so the node spans the operator and its operand.
template <class NODE>
EXPRESSION* parse_rewritten_prefix(C_PARSER& parser, int32_t constant) {
  const POSITION at = parser.token_start();
  EXPRESSION* operand = parser.parse_unary();
  if (operand == nullptr) return nullptr;
  const POSITION end = operand->end_position();
  EXPRESSION* value = parser.program.make<DECIMAL_CONSTANT>(end, end, constant);
  if constexpr (std::is_base_of_v<RELATIONAL, NODE>)
    return parser.bounded(build_relational<NODE>(parser.program, at, operand, value), operand);
  else
    return parser.bounded(parser.program.make<NODE>(at, operand, value), operand);
}

// index := "[" expression "]"   (after the "[")
EXPRESSION* parse_index(C_PARSER& parser, EXPRESSION* base) {
  EXPRESSION* index = parser.parse_expression();
  const POSITION closing_bracket = parser.cursor_position();
  parser.expect_char(']');
  if (index == nullptr) return base;
  POINTER_USAGE* usage = parser.program.make<POINTER_USAGE>(base, index);
  usage->closing_bracket = closing_bracket;
  return parser.bounded(usage, base, index);
}

// arguments := [ assignment { "," assignment } ]   (after the "(")
// Answers the position of the closing parenthesis.
POSITION parse_arguments(C_PARSER& parser, std::vector<EXPRESSION*>& arguments) {
  if (parser.current() != ')') {
    do {
      const POSITION expected_at = parser.cursor_position();
      EXPRESSION* argument = parser.parse_assignment();
      if (argument == nullptr)
        parser.report(expected_at, "Actual argument expected.");
      else
        arguments.push_back(argument);
    } while (parser.match_char(','));
  }
  const POSITION closing_parenthesis = parser.cursor_position();
  parser.expect_char(')');
  return closing_parenthesis;
}

// A call through a value: its name stands for the position of the value called, in the caller.
NAME* callee_position(C_PARSER& parser, const EXPRESSION& callee) {
  return parser.program.make<NAME>(parser.program.intern(""), parser.innermost_block(),
                                   parser.current_function, callee.position_of(),
                                   callee.end_position());
}

// call := name "(" arguments ")" | postfix "(" arguments ")"   (at the "(")
// A name bound to nothing at parse time names a function; main cannot be called. Any other
// callee is a value, called through the function pointer it must be.
EXPRESSION* parse_call(C_PARSER& parser, EXPRESSION* callee) {
  auto* name = kind_cast<NAME>(callee);
  if (name != nullptr && name->text == parser.program.main_name())
    parser.not_implemented("a call of main");
  parser.match_char('(');
  FUNCTION_CALL* call =
      parser.program.make<FUNCTION_CALL>(name != nullptr ? name : callee_position(parser, *callee));
  if (name == nullptr) call->pointer = callee;
  call->closing_parenthesis = parse_arguments(parser, call->arguments);
  const EXPRESSION* deepest = nullptr;
  for (const EXPRESSION* argument : call->arguments)
    if (deepest == nullptr || argument->depth > deepest->depth) deepest = argument;
  return parser.bounded(call, deepest);
}

// The local that a block of the scope stack declares under the name, innermost block first and,
// within a block, its last declaration first.
EXPRESSION* bind_local(C_PARSER& parser, NAME* name) {
  for (auto scope = parser.scopes.rbegin(); scope != parser.scopes.rend(); ++scope) {
    if ((*scope)->declarations == nullptr) continue;
    const std::vector<DECLARATOR*>& declarations = (*scope)->declarations->declarations;
    for (auto declaration = declarations.rbegin(); declaration != declarations.rend();
         ++declaration)
      if (*declaration != nullptr)
        if (DECLARATOR* found = (*declaration)->lookup(name->text))
          return parser.program.make<LOCAL_VARIABLE>(*scope, name, found->declared());
  }
  return nullptr;
}

EXPRESSION* bind_parameter(C_PARSER& parser, NAME* name) {
  const C_FUNCTION* function = parser.current_function;
  if (function == nullptr || function->parameters == nullptr) return nullptr;
  ARGUMENT_DECLARATION* parameter = function->parameters->find(name->text);
  return parameter == nullptr ? nullptr : parser.program.make<ARGUMENT>(name, parameter);
}

// A file-level declaration of the current file made so far, the last first; only in a block.
EXPRESSION* bind_global(C_PARSER& parser, NAME* name) {
  if (parser.innermost_block() == nullptr || parser.file == nullptr) return nullptr;
  const std::vector<DECLARATOR*>& declarations = parser.file->declarations;
  for (auto declaration = declarations.rbegin(); declaration != declarations.rend(); ++declaration)
    if (*declaration != nullptr && (*declaration)->lookup(name->text) != nullptr)
      return parser.program.make<GLOBAL_VARIABLE>(parser.innermost_block(), name, *declaration);
  return nullptr;
}

}  // namespace

// expression := assignment { "," assignment }
EXPRESSION* C_PARSER::parse_expression() {
  EXPRESSION* expression = parse_assignment();
  while (expression != nullptr && match_char(',')) {
    const POSITION comma = token_start();
    EXPRESSION* next = parse_assignment();
    if (next == nullptr) {
      report(cursor_position(), "After colon expected expression.");
      return expression;
    }
    expression = bounded(program.make<COMMA>(comma, expression, next), expression, next);
  }
  return expression;
}

EXPRESSION* C_PARSER::parse_required_expression() {
  EXPRESSION* expression = parse_expression();
  if (expression == nullptr) report(cursor_position(), "Expression expected.");
  return expression;
}

// assignment := conditional [ assignment-operator assignment ]
// Nothing is read once an error has been counted.
EXPRESSION* C_PARSER::parse_assignment() {
  if (errors_counted()) return nullptr;
  EXPRESSION* target = parse_conditional();
  if (target == nullptr) {
    report(cursor_position(), "Syntax error.");
    return nullptr;
  }
  const OPERATOR* found = match_operator(*this, assignment_operators);
  if (found == nullptr) return target;
  const POSITION at = token_start();
  NESTED nested(*this);
  return apply_operator(*this, *found, at, target, parse_assignment());
}

// conditional := logical-or [ "?" expression ":" conditional ]
EXPRESSION* C_PARSER::parse_conditional() {
  EXPRESSION* condition = parse_logical_or();
  if (condition == nullptr || !match_char('?')) return condition;
  const POSITION question = token_start();
  NESTED nested(*this);
  EXPRESSION* if_true = parse_required_expression();
  expect_char(':');
  EXPRESSION* if_false = parse_conditional();
  if (if_false == nullptr) report(cursor_position(), "Else part expression of ?: expected.");
  if (if_true == nullptr || if_false == nullptr) return condition;
  CONDITIONAL* node = program.make<CONDITIONAL>(question, condition, if_true, if_false);
  const EXPRESSION* deeper = condition->depth > if_true->depth ? condition : if_true;
  return bounded(node, deeper, if_false);
}

// logical-or := logical-and { "||" logical-and }
EXPRESSION* C_PARSER::parse_logical_or() {
  return parse_binary_level(*this, logical_or_operators, &C_PARSER::parse_logical_and);
}

// logical-and := inclusive-or { "&&" inclusive-or }
EXPRESSION* C_PARSER::parse_logical_and() {
  return parse_binary_level(*this, logical_and_operators, &C_PARSER::parse_inclusive_or);
}

// inclusive-or := exclusive-or { "|" exclusive-or }
EXPRESSION* C_PARSER::parse_inclusive_or() {
  return parse_binary_level(*this, inclusive_or_operators, &C_PARSER::parse_exclusive_or);
}

// exclusive-or := and { "^" and }
EXPRESSION* C_PARSER::parse_exclusive_or() {
  return parse_binary_level(*this, exclusive_or_operators, &C_PARSER::parse_and);
}

// and := equality { "&" equality }
EXPRESSION* C_PARSER::parse_and() {
  return parse_binary_level(*this, and_operators, &C_PARSER::parse_equality);
}

// equality := relational { ( "==" | "!=" ) relational }
EXPRESSION* C_PARSER::parse_equality() {
  return parse_binary_level(*this, equality_operators, &C_PARSER::parse_relational);
}

// relational := shift { ( "<=" | ">=" | "<" | ">" ) shift }
EXPRESSION* C_PARSER::parse_relational() {
  return parse_binary_level(*this, relational_operators, &C_PARSER::parse_shift);
}

// shift := additive { ( "<<" | ">>" ) additive }
EXPRESSION* C_PARSER::parse_shift() {
  return parse_binary_level(*this, shift_operators, &C_PARSER::parse_additive);
}

// additive := multiplicative { ( "+" | "-" ) multiplicative }
EXPRESSION* C_PARSER::parse_additive() {
  return parse_binary_level(*this, additive_operators, &C_PARSER::parse_multiplicative);
}

// multiplicative := unary { ( "*" | "/" | "%" ) unary }
EXPRESSION* C_PARSER::parse_multiplicative() {
  return parse_binary_level(*this, multiplicative_operators, &C_PARSER::parse_unary);
}

// unary := identifier postfix | constant postfix | character postfix | sizeof
//        | ( "&" | "*" | "-" | "+" | "!" | "~" | "++" | "--" ) unary
//        | "(" expression ")" postfix | cast
//        | string postfix
EXPRESSION* C_PARSER::parse_unary() {
  NESTED nested(*this);
  if (read_identifier()) return parse_postfix(bind_name(make_name()));
  if (read_prefixed() || read_octal() || read_decimal() || read_character())
    return parse_postfix(last_constant());
  if (STRING_TEXT text; read_string(text)) return parse_postfix(string_value(program, text));
  if (match_two('+', '+')) return parse_rewritten_prefix<PLUS_ASSIGNMENT>(*this, 1);
  if (match_two('-', '-')) return parse_rewritten_prefix<MINUS_ASSIGNMENT>(*this, 1);
  if (match_keyword("sizeof")) return parse_sizeof(*this);
  if (match_char('+')) return parse_prefix<CAST>(*this);
  if (match_char('!')) return parse_rewritten_prefix<RELATIONAL_EQ>(*this, 0);
  if (match_char('~')) return parse_rewritten_prefix<EXCLUSIVE_OR>(*this, -1);
  if (match_char('&')) return parse_prefix<UNARY_AND>(*this);
  if (match_char('*')) return parse_prefix<UNARY_STAR>(*this);
  if (match_char('-')) return parse_prefix<UNARY_MINUS>(*this);
  if (match_char('(')) return parse_parenthesised(*this);
  not_implemented();
}

// postfix := { "[" expression "]" | "(" arguments ")" | "++" | "--" | member_access }
EXPRESSION* C_PARSER::parse_postfix(EXPRESSION* primary) {
  EXPRESSION* expression = primary;
  while (expression != nullptr) {
    if (match_char('.'))
      expression = parse_member_access(*this, expression, false);
    else if (match_two('-', '>'))
      expression = parse_member_access(*this, expression, true);
    else if (match_char('['))
      expression = parse_index(*this, expression);
    else if (current() == '(')
      expression = parse_call(*this, expression);
    else if (match_two('+', '+'))
      expression =
          bounded(program.make<UNARY_POSTFIX_PLUS_PLUS>(token_start(), expression), expression);
    else if (match_two('-', '-'))
      expression =
          bounded(program.make<UNARY_POSTFIX_MINUS_MINUS>(token_start(), expression), expression);
    else
      break;
  }
  return expression;
}

// Locals of the enclosing blocks, then the function's parameters, then (inside a block) the
// file-level declarations of this file; a name found nowhere is bound later.
EXPRESSION* C_PARSER::bind_name(NAME* name) {
  if (EXPRESSION* local = bind_local(*this, name)) return local;
  if (EXPRESSION* parameter = bind_parameter(*this, name)) return parameter;
  if (EXPRESSION* global = bind_global(*this, name)) return global;
  return name;
}
