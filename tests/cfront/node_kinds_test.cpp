// The kinds of the C syntax objects: the code generator and the checks switch over them and
// cast on the kind alone, so two classes sharing a kind would each be taken for the other.
// The lists below hold every concrete class of each family, one per enumerator.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <typeinfo>

#include "cfront/asm_statements.h"
#include "cfront/assignments.h"
#include "cfront/binary.h"
#include "cfront/calls.h"
#include "cfront/conditional.h"
#include "cfront/constant.h"
#include "cfront/relational.h"
#include "cfront/statements.h"
#include "cfront/unary.h"
#include "cfront/variables.h"

namespace {

// Each kind taken by one class, and the kinds numbered 0 to count - 1 without a gap, so that
// the list names a class for every enumerator up to the last one.
template <class... CLASSES, class KIND>
void expect_one_class_per_kind(KIND last_kind) {
  std::map<int, std::string> owner;
  for (const auto& [kind, name] :
       {std::pair{static_cast<int>(CLASSES::KIND), typeid(CLASSES).name()}...}) {
    auto [found, inserted] = owner.emplace(kind, name);
    EXPECT_TRUE(inserted) << name << " has the kind of " << found->second;
  }
  const int last = static_cast<int>(last_kind);
  EXPECT_EQ(last + 1, static_cast<int>(sizeof...(CLASSES))) << "a kind without its class";
  EXPECT_EQ(last, owner.rbegin()->first);
}

TEST(NODE_KINDS, every_concrete_class_has_a_kind_of_its_own) {
  expect_one_class_per_kind<
      BINARY_PLUS, BINARY_MINUS, MULTIPLY, DIVIDE, MODULO, COMMA, BASIC_AND, INCLUSIVE_OR, EXCLUSIVE_OR, LOGICAL_AND, LOGICAL_OR,
      SHIFT_LEFT, SHIFT_RIGHT, RELATIONAL_EQ, RELATIONAL_NEQ, RELATIONAL_LT, RELATIONAL_LE,
      RELATIONAL_GT, RELATIONAL_GE, UNARY_AND, UNARY_STAR, UNARY_MINUS, UNARY_POSTFIX_PLUS_PLUS,
      UNARY_POSTFIX_MINUS_MINUS, CAST, SIZE_OF, CONDITIONAL, SIMPLE_ASSIGNMENT, PLUS_ASSIGNMENT,
      MINUS_ASSIGNMENT, AND_ASSIGNMENT, OR_ASSIGNMENT, XOR_ASSIGNMENT, MULTIPLY_ASSIGNMENT,
      DIVIDE_ASSIGNMENT, MODULO_ASSIGNMENT, SHIFT_LEFT_ASSIGNMENT, SHIFT_RIGHT_ASSIGNMENT, FUNCTION_CALL, POINTER_USAGE, DECIMAL_CONSTANT,
      LOCAL_VARIABLE, GLOBAL_VARIABLE, ARGUMENT, NAME, REGISTER_FROM_C>(
      EXPRESSION_KIND::register_from_c);
  expect_one_class_per_kind<COMPOUND, EXPRESSION_STATEMENT, IF_ELSE, WHILE, DO_WHILE, FOR, CASE,
                            DEFAULT, SWITCH, LABEL, GOTO, BREAK, CONTINUE, RETURN_WITHOUT_EXPRESSION,
                            RETURN_EXPRESSION, ASM_CALL, ASM_MACRO, DECLARATION_STATEMENT>(
      STATEMENT_KIND::declaration);
  expect_one_class_per_kind<TYPE_AND_NAME, ARRAY_TYPE, FUNCTION_PROTOTYPE, INITIALIZER,
                            INITIALIZER_LIST>(DECLARATOR_KIND::initializer_list);
  expect_one_class_per_kind<VOID_TYPE, CHAR_TYPE, UNSIGNED_CHAR_TYPE, INT_TYPE, UNSIGNED_INT_TYPE,
                            POINTER_TYPE>(TYPE_KIND::pointer_type);
}

}  // namespace
