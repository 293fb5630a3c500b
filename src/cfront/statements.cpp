// The checks of the statements, run once when their function is checked: expressions are
// simplified in place, conditions must be booleans, a switch's case values must be distinct
// constants, a goto finds its label outward, and a return must suit its function's type.
#include "cfront/statements.h"

#include <cstddef>

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/c_function.h"
#include "cfront/c_program.h"
#include "cfront/c_stops.h"
#include "cfront/c_types.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"
#include "cfront/expression.h"
#include "cfront/unary.h"

namespace {

ERROR_HANDLER& reporter(C_PROGRAM& program) {
  return program.services.error_handler;
}

void check_if_present(STATEMENT* statement, C_PROGRAM& program) {
  if (statement != nullptr) statement->check(program);
}

void simplify_if_present(EXPRESSION*& expression, C_PROGRAM& program) {
  if (expression != nullptr) simplify_operand(expression, program);
}

// Simplified in place, then it must serve as a boolean. None is left by a parse error only.
void check_condition(EXPRESSION*& condition, C_PROGRAM& program) {
  if (condition == nullptr) return;
  if (simplify_operand(condition, program) != nullptr) condition->check_boolean(program);
}

// The first case, in source order, whose value another case has too; nullptr when none.
CASE* first_duplicated_case(const std::vector<CASE*>& cases) {
  for (std::size_t first = 0; first < cases.size(); ++first) {
    if (cases[first]->value == nullptr) continue;
    for (std::size_t other = first + 1; other < cases.size(); ++other)
      if (cases[other]->value != nullptr &&
          cases[other]->value->value == cases[first]->value->value)
        return cases[first];
  }
  return nullptr;
}

// Duplicate labels are not reported: the last one of that name is taken.
LABEL* last_label_named(const COMPOUND& block, INTERNED text) {
  for (auto label = block.labels.rbegin(); label != block.labels.rend(); ++label)
    if ((*label)->name->text == text) return *label;
  return nullptr;
}

}  // namespace

void EXPRESSION_STATEMENT::check(C_PROGRAM& program) {
  simplify_if_present(expression, program);
}

void IF_ELSE::check(C_PROGRAM& program) {
  check_condition(condition, program);
  check_if_present(then_statement, program);
  check_if_present(else_statement, program);
}

void WHILE::check(C_PROGRAM& program) {
  check_condition(condition, program);
  check_if_present(body, program);
}

void DO_WHILE::check(C_PROGRAM& program) {
  check_condition(condition, program);
  check_if_present(body, program);
}

void FOR::check(C_PROGRAM& program) {
  simplify_if_present(initial, program);
  if (condition == nullptr)
    condition = program.make<DECIMAL_CONSTANT>(first_semicolon, first_semicolon, 1);
  check_condition(condition, program);
  simplify_if_present(step, program);
  check_if_present(body, program);
}

void CASE::check(C_PROGRAM& program) {
  EXPRESSION* written = expression;
  EXPRESSION* simplified = simplify_operand(expression, program);
  value = kind_cast<DECIMAL_CONSTANT>(simplified);
  if (value == nullptr)
    reporter(program).error_at((simplified != nullptr ? simplified : written)->position_of(),
                               "The case expression must be a constant.");
  check_if_present(statement, program);
}

void DEFAULT::check(C_PROGRAM& program) {
  check_if_present(statement, program);
}

// The cases in source order, the duplicate scan, the default, then the statements of the body
// before its first case (checked themselves with the body block, just before the switch).
void SWITCH::check(C_PROGRAM& program) {
  simplify_if_present(expression, program);
  for (CASE* clause : cases) clause->check(program);
  if (CASE* duplicated = first_duplicated_case(cases))
    reporter(program).error_at(duplicated->position, "The case value is duplicated.");
  check_if_present(default_clause, program);
  for (STATEMENT* statement : outside_cases)
    reporter(program).error_at(statement->start,
                               "This statement is in no case of the switch: it never runs.");
}

// A label inside a nested block is not found from outside it.
void GOTO::check(C_PROGRAM& program) {
  for (COMPOUND* scope = block; scope != nullptr; scope = scope->enclosing) {
    label = last_label_named(*scope, target->text);
    if (label == nullptr) continue;
    label->gotos.push_back(this);
    return;
  }
  reporter(program).error_at(position, "Label definition not found.");
}

void LOOP_JUMP::check(C_PROGRAM& program) {
  if (has_target) return;
  reporter(program).error_at(position, kind() == STATEMENT_KIND::break_statement
                                           ? "This break is not inside a loop."
                                           : "This continue is not inside a loop.");
}

void DECLARATION_STATEMENT::check(C_PROGRAM& program) {
  check_declarators(declarators, program);
}

void RETURN_WITHOUT_EXPRESSION::check(C_PROGRAM& program) {
  const C_FUNCTION* function = block->owning_function();
  if (function == nullptr || function->return_type == nullptr) return;
  if (!function->return_type->is_void())
    reporter(program).error_at(semicolon, "No type to return for function ");
}

// The conformance message is reported alone, at the two types' positions it records.
void RETURN_EXPRESSION::check(C_PROGRAM& program) {
  if (expression == nullptr) return;
  EXPRESSION* simplified = simplify_operand(expression, program);
  const C_FUNCTION* function = block->owning_function();
  if (simplified == nullptr || function == nullptr || function->return_type == nullptr) return;
  if (function->return_type->is_void())
    stop_compiler("a value returned from a void function", position);
  const C_TYPE* type = simplified->type_of(program);
  if (is_null_pointer_for(*simplified, function->return_type)) return;
  // `&x` is typed as x itself: any address is returned as a pointer, as it is stored.
  if (kind_cast<UNARY_AND>(simplified) != nullptr &&
      kind_cast<POINTER_TYPE>(function->return_type) != nullptr)
    return;
  if (type != nullptr && !conforms_to(*type, *function->return_type, reporter(program)))
    reporter(program).error();
}
