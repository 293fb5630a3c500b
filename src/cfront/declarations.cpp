// The checks of declarations, run when live code reaches them: an array's size must fold to a
// positive constant (checked once), and every initialiser must fold to constants, which then
// replace the expressions as written; a local's scalar initialiser may be any value. Also the
// name lookups of declarators and parameter lists.
#include "cfront/declarations.h"

#include <cstdint>

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/assignments.h"
#include "cfront/c_program.h"
#include "cfront/constant.h"
#include "cfront/expression.h"
#include "cfront/initializer_tree.h"
#include "cfront/struct_type.h"
#include "machine/machine.h"

namespace {

// Simplifies in place (a none answer keeps the expression) and answers whether the result is
// a constant.
bool simplify_to_constant(EXPRESSION*& expression, C_PROGRAM& program) {
  EXPRESSION* simplified = expression->simplify(program);
  if (simplified != nullptr) expression = simplified;
  return simplified != nullptr && simplified->is_constant();
}

// The message for a size that is not usable, or nullptr.
const char* size_problem(const DECIMAL_CONSTANT* size) {
  if (size == nullptr) return "Bad array definition (unknown size).";
  if (size->value <= 0) return "Bad array definition (size <= 0).";
  return nullptr;
}

void report_non_static(C_PROGRAM& program, const POSITION& position) {
  program.services.error_handler.error_at(position, "Non-static initializer.");
}

// An extern declaration inside a block names a definition elsewhere: it has no value to give.
void check_extern_in_block(DECLARATOR& declaration, C_PROGRAM& program) {
  if (declaration.kind() == DECLARATOR_KIND::initializer ||
      declaration.kind() == DECLARATOR_KIND::initializer_list)
    program.services.error_handler.error_at(
        declaration.position(), "An extern declaration in a block takes no initializer.");
}

}  // namespace

DECLARATOR* DECLARATOR::lookup(INTERNED text) {
  const NAME* declared_name = name();
  return declared_name != nullptr && declared_name->text == text ? this : nullptr;
}

POSITION ARRAY_TYPE::position() const {
  return element->position();
}

// The element is checked first, so each dimension of `a[2][3]` gets its own message.
void ARRAY_TYPE::check(C_PROGRAM& program) {
  if (checked) return;
  checked = true;
  element->check(program);
  EXPRESSION* simplified =
      size_expression == nullptr ? nullptr : size_expression->simplify(program);
  if (simplified != nullptr) size_expression = simplified;
  auto* constant = kind_cast<DECIMAL_CONSTANT>(simplified);
  if (const char* problem = size_problem(constant)) {
    const NAME* declared_name = name();
    const POSITION where = declared_name != nullptr     ? declared_name->position
                           : size_expression != nullptr ? size_expression->position_of()
                                                        : closing_bracket;
    program.services.error_handler.error_at(where, problem);
    return;
  }
  size = constant;
  // A size is never loaded into a register: it takes no pool word.
  program.leave_pool(*constant);
  // The RAM block is handed out now: the array's address is a constant of every use.
  const int32_t element_words = words_of_declarator(element);
  if (element_words == 0) return report_incomplete(program, *this);
  ram_start = program.services.machine.ram.allocate(constant->value * element_words);
}

void INITIALIZER::check(C_PROGRAM& program) {
  declarator->check(program);
  if (expression == nullptr) return;
  const POSITION where = expression->position_of();
  if (is_automatic() ? !check_local_value(program) : !simplify_to_constant(expression, program))
    report_non_static(program, where);
}

// A local's value may be computed where it is declared: it is stored as `x = value` stores it.
// False when the expression gives nothing to store.
bool INITIALIZER::check_local_value(C_PROGRAM& program) {
  EXPRESSION* value = simplify_value(expression, program);
  if (value == nullptr) return false;
  if (!value->is_constant())
    test_stored_types(
        program, *value, [this] { return declarator->type(); }, position(), " Bad initialization.");
  return true;
}

// Fewer items than elements leave the rest 0, and a string fills an array one shorter than
// itself without its ending 0, as in C.
void INITIALIZER_LIST::check(C_PROGRAM& program) {
  if (braces != nullptr) return check_laid_out(program);
  declarator->check(program);
  const auto* array = kind_cast<ARRAY_TYPE>(declarator);
  if (array != nullptr && array->size != nullptr) {
    const int64_t size = array->size->value;
    if (from_string && static_cast<int64_t>(items.size()) == size + 1) items.pop_back();
    while (static_cast<int64_t>(items.size()) < size)
      items.push_back(program.make<DECIMAL_CONSTANT>(close_brace, close_brace, 0));
  }
  if (array == nullptr || array->size == nullptr ||
      static_cast<int64_t>(items.size()) != array->size->value) {
    program.services.error_handler.error_at(open_brace,
                                            "Bad number of items to initialize this array.");
    return;
  }
  for (auto item = items.rbegin(); item != items.rend(); ++item) {
    const POSITION where = (*item)->position_of();
    if (!simplify_to_constant(*item, program)) report_non_static(program, where);
  }
}

// A laid-out list is checked once: each word a constant, or, in a local's list, any value that
// may be stored in it.
void INITIALIZER_LIST::check_laid_out(C_PROGRAM& program) {
  if (laid_out) return;
  laid_out = true;
  std::vector<C_TYPE*> word_types;
  if (!lay_out_initializer(*this, program, word_types)) return;
  for (std::size_t k = items.size(); k-- > 0;) {
    const POSITION where = items[k]->position_of();
    if (!is_automatic()) {
      if (!simplify_to_constant(items[k], program)) report_non_static(program, where);
      continue;
    }
    EXPRESSION* value = simplify_value(items[k], program);
    if (value == nullptr || value->is_constant() || word_types[k] == nullptr) continue;
    test_stored_types(
        program, *value, [&word_types, k] { return word_types[k]; }, where, " Bad initialization.");
  }
}

bool PARAMETER_LIST::is_void() const {
  if (parameters.empty()) return true;
  if (parameters.size() != 1) return false;
  const ARGUMENT_DECLARATION& only = *parameters.front();
  return only.name == nullptr && only.type != nullptr && only.type->is_void();
}

ARGUMENT_DECLARATION* PARAMETER_LIST::find(INTERNED text) const {
  for (auto parameter = parameters.rbegin(); parameter != parameters.rend(); ++parameter)
    if ((*parameter)->name != nullptr && (*parameter)->name->text == text) return *parameter;
  return nullptr;
}

void check_declarators(std::span<DECLARATOR* const> declarators, C_PROGRAM& program) {
  for (auto entry = declarators.rbegin(); entry != declarators.rend(); ++entry) {
    DECLARATOR* declarator = *entry;
    if (declarator == nullptr) continue;
    if (declarator->is_extern()) {
      check_extern_in_block(*declarator, program);
      continue;
    }
    if (declarator->storage_class == STORAGE_CLASS::static_storage)
      program.use_declaration(*declarator);
    declarator->check(program);
  }
}
