// Assembly inside C. `asm( ... )` hands the C parser's cursor to the assembler, one instruction
// at a time. The `#asm ... #endasm` form wraps such a statement: its first line lists the
// registers it uses, the lines before `asm` load registers from C, the lines after store them.
#include <algorithm>
#include <optional>

#include "assembler/asm_parser.h"
#include "base/error_handler.h"
#include "cfront/asm_statements.h"
#include "cfront/assignments.h"
#include "cfront/c_asm_cursor.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "machine/asm.h"

namespace {

bool at_register(const C_PARSER& parser) {
  return parser.current() == 'R' || parser.current() == 'r';
}

REGISTER_FROM_C* find_register(const ASM_MACRO& macro, int number) {
  auto found = std::find_if(macro.registers.begin(), macro.registers.end(),
                            [number](const REGISTER_FROM_C* r) { return r->number == number; });
  return found == macro.registers.end() ? nullptr : *found;
}

void add_register(C_PARSER& parser, ASM_MACRO& macro, REGISTER_FROM_C* added) {
  REGISTER_FROM_C* earlier = find_register(macro, added->number);
  if (earlier == nullptr) {
    macro.registers.push_back(added);
    return;
  }
  ERROR_HANDLER& error_handler = parser.program.services.error_handler;
  error_handler.add_position(earlier->position);
  error_handler.add_position(added->position);
  error_handler.append("Register already encountered (skipped).");
  error_handler.warning();
}

// register-list := [ register { "," register } ] ";"
void parse_register_list(C_PARSER& parser, ASM_MACRO& macro) {
  while (!parser.errors_counted()) {
    if (at_register(parser)) add_register(parser, macro, parser.parse_register());
    if (parser.errors_counted()) return;
    if (parser.match_char(',')) continue;
    if (parser.match_char(';')) return;
    parser.report(parser.cursor_position(), "Missing ';' in #asm macro.");
    return;
  }
}

// input-line := register [ "=" assignment-expression ] ";"
void parse_input_lines(C_PARSER& parser, ASM_MACRO& macro) {
  while (!parser.errors_counted() && at_register(parser)) {
    REGISTER_FROM_C* target = parser.parse_register();
    if (parser.errors_counted()) return;
    if (parser.match_char('=')) {
      const POSITION assigned_at = parser.token_start();
      if (EXPRESSION* source = parser.parse_assignment())
        macro.inputs.push_back(parser.program.make<SIMPLE_ASSIGNMENT>(assigned_at, target, source));
      else
        parser.report(parser.cursor_position(), "Right hand side of = expected.");
    }
    parser.expect_char(';');
  }
}

// body := asm-statement, in a block of its own
void parse_asm_body(C_PARSER& parser, ASM_MACRO& macro) {
  if (!parser.next_word_is("asm")) {
    parser.report(parser.cursor_position(), "Expected asm(...) in #asm macro.");
    return;
  }
  macro.body = parser.program.make<COMPOUND>(parser.innermost_block(), parser.cursor_position());
  parser.scopes.push_back(macro.body);
  parser.parse_statement(*macro.body);
  parser.scopes.pop_back();
}

// output-line := relational-expression "=" register ";"
void parse_output_lines(C_PARSER& parser, ASM_MACRO& macro) {
  while (!parser.errors_counted() && !parser.match_keyword("#endasm")) {
    EXPRESSION* target = parser.parse_relational();
    if (target == nullptr || !parser.match_char('=')) {
      parser.report(parser.cursor_position(), "Missing \"= Ri;\" in #asm macro.");
      return;
    }
    const POSITION assigned_at = parser.token_start();
    REGISTER_FROM_C* source = parser.parse_register();
    macro.outputs.push_back(parser.program.make<SIMPLE_ASSIGNMENT>(assigned_at, target, source));
    if (!parser.errors_counted()) parser.expect_char(';');
  }
  macro.end = parser.token_start();
}

// register-number := digit { digit }, at most this large (the check refuses it anyway)
int read_register_number(C_PARSER& parser) {
  constexpr int largest = 1000000;
  int number = 0;
  for (; parser.current() >= '0' && parser.current() <= '9'; parser.next_char())
    number = std::min(number * 10 + (parser.current() - '0'), largest);
  return number;
}

// relative-register := ( "x" | "X" ) "-" digit-1-to-8   (register X - digit); last is set to
// the digit's position
std::optional<int> read_relative_register(C_PARSER& parser, POSITION& last) {
  parser.next_char();
  if (parser.current() != '-') return std::nullopt;
  parser.next_char();
  const char digit = parser.current();
  if (digit < '1' || digit > '8') return std::nullopt;
  last = parser.cursor_position();
  parser.next_char();
  return parser.program.register_count() - (digit - '0');
}

}  // namespace

// asm-macro := "#asm" register-list { input-line } asm-statement { output-line } "#endasm"
void C_PARSER::parse_asm_macro() {
  COMPOUND* block = innermost_block();
  if (block == nullptr) {
    report(token_start(), "An #asm macro may only stand inside a function body.");
    return;
  }
  ASM_MACRO* macro = program.make<ASM_MACRO>(block, token_start());
  parse_register_list(*this, *macro);
  parse_input_lines(*this, *macro);
  if (!errors_counted()) parse_asm_body(*this, *macro);
  parse_output_lines(*this, *macro);
  block->statements.push_back(macro);
}

// register := ( "R" | "r" ) ( digit { digit } | relative-register ) blanks
REGISTER_FROM_C* C_PARSER::parse_register() {
  const POSITION position = cursor_position();
  POSITION last = position;
  std::optional<int> number;
  bool relative = false;
  if (current_ == 'R' || current_ == 'r') {
    next_char();
    if (current_ >= '0' && current_ <= '9') {
      number = read_register_number(*this);
    } else if (current_ == 'x' || current_ == 'X') {
      number = read_relative_register(*this, last);
      relative = number.has_value();
    }
  }
  if (!number) report(position, "Invalid register name.");
  skip_blanks();
  return program.make<REGISTER_FROM_C>(position, last, number.value_or(0), relative);
}

// asm-statement := "asm" "(" { instruction } ")" ";"
void C_PARSER::parse_asm_statement(COMPOUND& block) {
  expect_char('(');
  C_ASM_CURSOR cursor(*this);
  const ASM_MACRO_LOOKUP macro_lookup = [this](const std::string& name,
                                               const POSITION& position) -> std::optional<int32_t> {
    const bool defined = is_macro(name);
    const int32_t value = macro_constant(position, name);
    if (!defined) return std::nullopt;
    return value;
  };
  while (!errors_counted() && current_ != ')') {
    const POSITION start = cursor_position();
    std::unique_ptr<ASM> instruction = program.services.asm_parser.parse_one(cursor, macro_lookup);
    if (instruction == nullptr) {
      report(start, "Bad asm instruction.");
      skip_to_end_of_statement();
      return;
    }
    block.statements.push_back(program.make<ASM_CALL>(&block, start, std::move(instruction)));
    skip_blanks();
  }
  if (errors_counted()) return;
  match_char(')');
  expect_char(';');
}
