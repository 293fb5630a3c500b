// Statements, blocks and function definitions. A statement appends itself to the block it is
// parsed in; one that owns a sub-statement parses it into the same block and takes it back, so
// a label before the sub-statement stays in the block. Each `case` and `default` owns the
// statements up to the next one and goes to the innermost open switch, not to the block.
#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/c_function.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/declarations.h"
#include "cfront/statements.h"

namespace {

void append(COMPOUND& block, STATEMENT* statement) {
  block.statements.push_back(statement);
}

// Parses one statement into block and takes back the last one appended: none when nothing was.
STATEMENT* parse_sub_statement(C_PARSER& parser, COMPOUND& block) {
  const std::size_t before = block.statements.size();
  parser.parse_statement(block);
  if (block.statements.size() == before) return nullptr;
  STATEMENT* last = block.statements.back();
  block.statements.pop_back();
  return last;
}

// The statements appended from index `from` on that have no start yet began at start (the inner
// parses of a label's statement or a directive's follower have set theirs already).
void mark_starts(COMPOUND& block, std::size_t from, const POSITION& start) {
  for (std::size_t index = from; index < block.statements.size(); ++index)
    if (block.statements[index]->start == POSITION{}) block.statements[index]->start = start;
}

// condition := "(" expression ")"
EXPRESSION* parse_condition(C_PARSER& parser, bool required) {
  parser.expect_char('(');
  EXPRESSION* condition = required ? parser.parse_required_expression() : parser.parse_expression();
  parser.expect_char(')');
  return condition;
}

// The statements of a list from index `from` on, without those a nested switch's body left just
// before that switch: they belong to the nested switch.
std::vector<STATEMENT*> statements_without_switch_bodies(const std::vector<STATEMENT*>& statements,
                                                         std::size_t from) {
  std::vector<STATEMENT*> kept;
  for (std::size_t index = statements.size(); index > from;) {
    STATEMENT* statement = statements[--index];
    kept.insert(kept.begin(), statement);
    if (auto* nested = kind_cast<SWITCH>(statement))
      index -= std::min(index - from, nested->body_length);
  }
  return kept;
}

// What the switch's body left in the block belongs to no case: the statements of a body block
// before its first case, or the body itself when it is not a block. The check reports them.
void note_statements_outside_cases(SWITCH& node, const COMPOUND& block, std::size_t before) {
  for (STATEMENT* statement : statements_without_switch_bodies(block.statements, before)) {
    auto* body_block = kind_cast<COMPOUND>(statement);
    if (body_block == nullptr) {
      node.outside_cases.push_back(statement);
      continue;
    }
    for (STATEMENT* inner : statements_without_switch_bodies(body_block->statements, 0))
      node.outside_cases.push_back(inner);
  }
  node.body_length = block.statements.size() - before;
}

// A directive, then the statement after it unless the block ends there.
void parse_directive_statement(C_PARSER& parser, COMPOUND& block) {
  parser.parse_directive();
  if (!parser.errors_counted() && parser.current() != '}') parser.parse_statement(block);
}

// labeled_statement := identifier ":" statement
// False, with the cursor back at the identifier, when no `:` follows it.
bool parse_labeled_statement(C_PARSER& parser, COMPOUND& block) {
  const int line = parser.line();
  const int column = parser.column();
  if (!parser.read_identifier()) return false;
  if (parser.current() != ':') {
    parser.set_cursor(line, column);
    return false;
  }
  LABEL* label = parser.program.make<LABEL>(&block, parser.make_name());
  parser.match_char(':');
  append(block, label);
  block.labels.push_back(label);
  parser.parse_statement(block);
  return true;
}

// The next case or default, or the end of the switch's body, ends a clause's statements.
bool clause_ends_here(C_PARSER& parser) {
  return parser.current() == '}' || parser.errors_counted() || parser.next_word_is("case") ||
         parser.next_word_is("default");
}

bool holds_a_label(const COMPOUND& block, std::size_t from) {
  return std::any_of(block.statements.begin() + static_cast<std::ptrdiff_t>(from),
                     block.statements.end(),
                     [](const STATEMENT* statement) { return kind_cast<LABEL>(statement); });
}

// clause_statements := statement { block_item }   (up to the next clause or the body's end)
// One statement is the clause's own, as it always was; several, or a label before the one,
// become a block of the clause's own, which keeps their order and the switch body's names.
// The further statements are read only directly in the switch's body block.
STATEMENT* parse_clause_statements(C_PARSER& parser, COMPOUND& block, const SWITCH& owner) {
  const POSITION start = parser.cursor_position();
  const std::size_t before = block.statements.size();
  STATEMENT* first = parse_sub_statement(parser, block);
  const bool in_body = parser.scopes.size() == owner.body_depth && &block == parser.scopes.back();
  if (!holds_a_label(block, before) && (!in_body || clause_ends_here(parser))) return first;
  if (first != nullptr) append(block, first);
  while (in_body && !clause_ends_here(parser)) parser.parse_block_item(block, false);
  COMPOUND* statements = parser.program.make<COMPOUND>(&block, start);
  statements->start = start;
  const auto from = block.statements.begin() + static_cast<std::ptrdiff_t>(before);
  statements->statements.assign(from, block.statements.end());
  block.statements.erase(from, block.statements.end());
  statements->close_brace = parser.cursor_position();
  return statements;
}

// case_clause := "case" conditional ":" clause_statements
void parse_case(C_PARSER& parser, COMPOUND& block) {
  if (parser.switches.empty()) {
    parser.report(parser.cursor_position(), "There is no switch before.");
    return;
  }
  SWITCH* owner = parser.switches.back();
  EXPRESSION* expression = parser.parse_conditional();
  if (expression == nullptr) parser.not_implemented();
  parser.expect_char(':');
  STATEMENT* statement = parse_clause_statements(parser, block, *owner);
  owner->cases.push_back(
      parser.program.make<CASE>(owner->block, parser.cursor_position(), expression, statement));
}

// default_clause := "default" ":" clause_statements
void parse_default(C_PARSER& parser, COMPOUND& block) {
  if (parser.switches.empty()) {
    parser.report(parser.cursor_position(), "There is no switch before.");
    return;
  }
  SWITCH* owner = parser.switches.back();
  parser.expect_char(':');
  STATEMENT* statement = parse_clause_statements(parser, block, *owner);
  if (owner->default_clause != nullptr) {
    parser.report(owner->default_clause->position, "Only one default clause.");
    return;
  }
  owner->default_clause =
      parser.program.make<DEFAULT>(owner->block, parser.cursor_position(), statement);
}

// if_statement := "if" condition statement [ "else" statement ]
void parse_if(C_PARSER& parser, COMPOUND& block) {
  const POSITION position = parser.token_start();
  auto* statement = parser.program.make<IF_ELSE>(&block, position, parse_condition(parser, false));
  statement->then_statement = parse_sub_statement(parser, block);
  append(block, statement);
  if (parser.match_keyword("else")) statement->else_statement = parse_sub_statement(parser, block);
}

// What a break or continue inside a loop body or a switch body would leave, while it is read.
class JUMP_SCOPE_GUARD {
 public:
  JUMP_SCOPE_GUARD(C_PARSER& parser, C_PARSER::JUMP_SCOPE scope) : parser_(parser) {
    parser_.jump_scopes.push_back(scope);
  }
  ~JUMP_SCOPE_GUARD() { parser_.jump_scopes.pop_back(); }
  JUMP_SCOPE_GUARD(const JUMP_SCOPE_GUARD&) = delete;
  JUMP_SCOPE_GUARD& operator=(const JUMP_SCOPE_GUARD&) = delete;

 private:
  C_PARSER& parser_;
};

STATEMENT* parse_loop_body(C_PARSER& parser, COMPOUND& block) {
  JUMP_SCOPE_GUARD inside(parser, C_PARSER::JUMP_SCOPE::loop);
  return parse_sub_statement(parser, block);
}

// switch_statement := "switch" condition statement
// The body stays in the block, just before the switch, which is open while its body is read.
void parse_switch(C_PARSER& parser, COMPOUND& block) {
  const POSITION position = parser.token_start();
  auto* statement = parser.program.make<SWITCH>(&block, position, parse_condition(parser, false));
  const std::size_t before = block.statements.size();
  statement->body_depth = parser.scopes.size() + 1;
  parser.switches.push_back(statement);
  {
    JUMP_SCOPE_GUARD inside(parser, C_PARSER::JUMP_SCOPE::switch_body);
    parser.parse_statement(block);
  }
  parser.switches.pop_back();
  note_statements_outside_cases(*statement, block, before);
  append(block, statement);
}

// while_statement := "while" "(" required_expression ")" statement
void parse_while(C_PARSER& parser, COMPOUND& block) {
  const POSITION position = parser.token_start();
  auto* statement = parser.program.make<WHILE>(&block, position, parse_condition(parser, true));
  statement->body = parse_loop_body(parser, block);
  append(block, statement);
}

// do_statement := "do" statement "while" "(" required_expression ")" ";"
void parse_do(C_PARSER& parser, COMPOUND& block) {
  auto* statement = parser.program.make<DO_WHILE>(&block, parser.token_start());
  statement->body = parse_loop_body(parser, block);
  if (!parser.match_keyword("while"))
    parser.report(parser.cursor_position(), "Missing \"while\" keyword.");
  statement->condition = parse_condition(parser, true);
  parser.expect_char(';');
  append(block, statement);
}

// for_rest := [ expression ] ";" [ expression ] ")" statement   (after the first `;`)
void parse_for_rest(C_PARSER& parser, COMPOUND& block, FOR& statement) {
  if (parser.current() != ';') statement.condition = parser.parse_expression();
  parser.expect_char(';');
  if (parser.current() != ')') statement.step = parser.parse_expression();
  parser.expect_char(')');
  statement.body = parse_loop_body(parser, block);
  append(block, &statement);
}

// for_declaration := block_declaration for_rest   (after "for" "(")
// The loop stands in a block of its own, which holds the declaration: its names end with it.
void parse_for_with_declaration(C_PARSER& parser, COMPOUND& block, POSITION position) {
  COMPOUND* scope = parser.program.make<COMPOUND>(&block, position);
  parser.scopes.push_back(scope);
  parser.parse_for_declaration(*scope);
  auto* statement = parser.program.make<FOR>(scope, position);
  statement->start = position;
  statement->first_semicolon = parser.token_start();
  parse_for_rest(parser, *scope, *statement);
  scope->close_brace = parser.cursor_position();
  parser.scopes.pop_back();
  append(block, scope);
}

// for_statement := "for" "(" ( [ expression ] ";" for_rest | for_declaration )
void parse_for(C_PARSER& parser, COMPOUND& block) {
  const POSITION position = parser.token_start();
  parser.expect_char('(');
  if (parser.at_declaration_word()) return parse_for_with_declaration(parser, block, position);
  auto* statement = parser.program.make<FOR>(&block, position);
  if (parser.current() != ';') statement->initial = parser.parse_expression();
  statement->first_semicolon = parser.cursor_position();
  parser.expect_char(';');
  parse_for_rest(parser, block, *statement);
}

// goto_statement := "goto" identifier ";"
void parse_goto(C_PARSER& parser, COMPOUND& block) {
  const POSITION position = parser.token_start();
  if (!parser.read_identifier()) parser.not_implemented();
  auto* statement = parser.program.make<GOTO>(&block, position, parser.make_name());
  parser.expect_char(';');
  append(block, statement);
}

// return_statement := "return" [ required_expression ] ";"
void parse_return(C_PARSER& parser, COMPOUND& block) {
  const POSITION position = parser.token_start();
  if (parser.current() == ';') {
    const POSITION semicolon = parser.cursor_position();
    parser.match_char(';');
    append(block, parser.program.make<RETURN_WITHOUT_EXPRESSION>(&block, position, semicolon));
    return;
  }
  EXPRESSION* expression = parser.parse_required_expression();
  const POSITION semicolon = parser.cursor_position();
  parser.expect_char(';');
  append(block, parser.program.make<RETURN_EXPRESSION>(&block, position, semicolon, expression));
}

// break_statement := "break" ";"   (inside a loop or a switch: it leaves the innermost)
void parse_break(C_PARSER& parser, COMPOUND& block) {
  const POSITION position = parser.token_start();
  const std::vector<C_PARSER::JUMP_SCOPE>& scopes = parser.jump_scopes;
  parser.expect_char(';');
  auto* statement = parser.program.make<BREAK>(&block, position, !scopes.empty());
  statement->leaves_switch = !scopes.empty() && scopes.back() == C_PARSER::JUMP_SCOPE::switch_body;
  append(block, statement);
}

// continue_statement := "continue" ";"   (inside a loop, through any switch)
void parse_continue(C_PARSER& parser, COMPOUND& block) {
  const POSITION position = parser.token_start();
  const std::vector<C_PARSER::JUMP_SCOPE>& scopes = parser.jump_scopes;
  const bool in_loop =
      std::find(scopes.begin(), scopes.end(), C_PARSER::JUMP_SCOPE::loop) != scopes.end();
  parser.expect_char(';');
  append(block, parser.program.make<CONTINUE>(&block, position, in_loop));
}

struct KEYWORD_STATEMENT {
  std::string_view keyword;
  void (*parse)(C_PARSER& parser, COMPOUND& block);
};

constexpr KEYWORD_STATEMENT keyword_statements[] = {
    {"case", parse_case},     {"default", parse_default}, {"if", parse_if},
    {"switch", parse_switch}, {"while", parse_while},     {"do", parse_do},
    {"for", parse_for},       {"goto", parse_goto},       {"continue", parse_continue},
    {"break", parse_break},   {"return", parse_return},
};

// A block, or a statement that begins with its keyword; false when neither begins here.
bool parse_keyword_statement(C_PARSER& parser, COMPOUND& block) {
  if (parser.current() == '{') {
    append(block, parser.parse_block());
    return true;
  }
  for (const KEYWORD_STATEMENT& row : keyword_statements) {
    if (!parser.match_keyword(row.keyword)) continue;
    row.parse(parser, block);
    return true;
  }
  return false;
}

// expression_statement := [ expression ] ";"
// A lone `;` is an empty statement and appends nothing.
void parse_expression_statement(C_PARSER& parser, COMPOUND& block) {
  if (parser.match_char(';')) return;
  EXPRESSION* expression = parser.parse_expression();
  if (expression == nullptr) parser.not_implemented();
  const POSITION semicolon = parser.cursor_position();
  parser.expect_char(';');
  append(block, parser.program.make<EXPRESSION_STATEMENT>(&block, semicolon, expression));
}

// The function whose body is being parsed, so that names bind to its parameters; cleared however
// the parse of the body ends, since the parser outlives the build.
class CURRENT_FUNCTION {
 public:
  CURRENT_FUNCTION(C_PARSER& parser, C_FUNCTION& function) : parser_(parser) {
    parser.current_function = &function;
  }
  ~CURRENT_FUNCTION() { parser_.current_function = nullptr; }
  CURRENT_FUNCTION(const CURRENT_FUNCTION&) = delete;
  CURRENT_FUNCTION& operator=(const CURRENT_FUNCTION&) = delete;

 private:
  C_PARSER& parser_;
};

void fill_from_prototype(C_PARSER& parser, C_FUNCTION& function, DECLARATOR* declarator) {
  function.position = declarator != nullptr ? declarator->position() : parser.cursor_position();
  auto* prototype = kind_cast<FUNCTION_PROTOTYPE>(declarator);
  if (prototype == nullptr) {
    parser.report(function.position, "Bad function prototype.");
    return;
  }
  function.return_type = prototype->return_type;
  function.name = prototype->function_name;
  function.prototype = prototype;
  function.text = prototype->function_name->text;
  function.parameters = prototype->parameters;
}

// The first `main` stays the registered one; a second is reported at both.
void register_main(C_PROGRAM& program, C_FUNCTION& function) {
  if (program.main == nullptr) {
    program.main = &function;
    return;
  }
  ERROR_HANDLER& error_handler = program.services.error_handler;
  error_handler.add_position(program.main->position);
  error_handler.add_position(function.position);
  error_handler.append("Function main defined twice.");
  error_handler.error();
}

}  // namespace

// statement := directive | "asm" asm_statement | labeled_statement | case_clause
//            | default_clause | block | if_statement | switch_statement | while_statement
//            | do_statement | for_statement | goto_statement | return_statement
//            | expression_statement
// The tries differ in their first character or word, so at most one applies. Each statement is
// one level of nesting: blocks, sub-statements and labels all recurse through here.
void C_PARSER::parse_statement(COMPOUND& block) {
  NESTED nested(*this);
  const POSITION start = cursor_position();
  const std::size_t before = block.statements.size();
  if (current() == '#')
    parse_directive_statement(*this, block);
  else if (match_keyword("asm"))
    parse_asm_statement(block);
  else if (!parse_labeled_statement(*this, block) && !parse_keyword_statement(*this, block))
    parse_expression_statement(*this, block);
  mark_starts(block, before, start);
}

// block_item := block_declarations | statement
// Declarations before the block's first statement are its head (at_head); later ones are a
// DECLARATION_STATEMENT where they stand.
void C_PARSER::parse_block_item(COMPOUND& block, bool at_head) {
  if (!at_declaration_word()) return parse_statement(block);
  const POSITION start = cursor_position();
  const std::size_t count = parse_block_declarations(block);
  std::vector<DECLARATOR*>& declarations = block.declarations->declarations;
  if (at_head) {
    block.declarations->head_count = declarations.size();
    return;
  }
  auto* statement = program.make<DECLARATION_STATEMENT>(
      &block, std::vector<DECLARATOR*>(declarations.end() - static_cast<std::ptrdiff_t>(count),
                                       declarations.end()));
  statement->start = start;
  append(block, statement);
}

// block := "{" { block_declarations | statement } "}"
COMPOUND* C_PARSER::parse_block() {
  const POSITION open_brace = cursor_position();
  expect_char('{');
  COMPOUND* block = program.make<COMPOUND>(innermost_block(), open_brace);
  scopes.push_back(block);
  while (current() != '}' && !errors_counted()) parse_block_item(*block, block->statements.empty());
  block->close_brace = cursor_position();
  expect_char('}');
  scopes.pop_back();
  return block;
}

// function_definition := declarator block
void C_PARSER::parse_function_definition(DECLARATOR* declarator) {
  C_FUNCTION* function = program.make<C_FUNCTION>();
  fill_from_prototype(*this, *function, declarator);
  if (function->text != nullptr && function->text == program.main_name())
    register_main(program, *function);
  {
    CURRENT_FUNCTION parsing(*this, *function);
    function->body = parse_block();
  }
  function->body->function = function;
  program.functions.push_back(function);
  if (file != nullptr) file->functions.push_back(function);
}
