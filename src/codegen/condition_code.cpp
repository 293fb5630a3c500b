// Comparisons and the logical operators. A comparison branches through the long-jump
// registers on Z, or for the orderings on C when C's usual conversions make it unsigned and
// on S otherwise; its value is 0 or 1. && and || skip their second operand with RB1 and RB0.
#include <optional>
#include <vector>

#include "base/kind_cast.h"
#include "cfront/binary.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/conditional.h"
#include "cfront/relational.h"
#include "cfront/unary.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/storage_medium.h"
#include "isa/instructions.h"

namespace {

// An unsigned char is unsigned only where it fills the word (8-bit registers).
bool is_unsigned_type(CODEGEN& g, const C_TYPE* type) {
  if (type == nullptr) return false;
  switch (type->kind()) {
    case TYPE_KIND::unsigned_int_type:
      return true;
    case TYPE_KIND::unsigned_char_type:
      return g.width() == 8;
    case TYPE_KIND::void_type:
    case TYPE_KIND::char_type:
    case TYPE_KIND::int_type:
    case TYPE_KIND::pointer_type:
    case TYPE_KIND::function_type:
    case TYPE_KIND::struct_type:
      return false;
  }
  g.internal_error("a type of an unknown kind");
}

}  // namespace

// Looking through the arithmetic and bitwise operators, `?:` and the comma, as C's conversions
// do: a negation and a shift have their (left) operand's signedness.
bool is_unsigned_operand(CODEGEN& g, EXPRESSION* operand) {
  EXPRESSION* e = resolved(operand);
  switch (e->kind()) {
    case EXPRESSION_KIND::unary_minus:
      return is_unsigned_operand(g, static_cast<UNARY&>(*e).operand);
    case EXPRESSION_KIND::shift_left:
    case EXPRESSION_KIND::shift_right:
      return is_unsigned_operand(g, static_cast<BINARY&>(*e).left);
    case EXPRESSION_KIND::binary_plus:
    case EXPRESSION_KIND::binary_minus:
    case EXPRESSION_KIND::multiply:
    case EXPRESSION_KIND::divide:
    case EXPRESSION_KIND::modulo:
    case EXPRESSION_KIND::basic_and:
    case EXPRESSION_KIND::inclusive_or:
    case EXPRESSION_KIND::exclusive_or: {
      auto& binary = static_cast<BINARY&>(*e);
      return is_unsigned_operand(g, binary.left) || is_unsigned_operand(g, binary.right);
    }
    case EXPRESSION_KIND::comma:
      return is_unsigned_operand(g, static_cast<BINARY&>(*e).right);
    case EXPRESSION_KIND::conditional: {
      auto& conditional = static_cast<CONDITIONAL&>(*e);
      return is_unsigned_operand(g, conditional.if_true) ||
             is_unsigned_operand(g, conditional.if_false);
    }
    default:  // every other operand has its own type
      return is_unsigned_type(g, e->type_of(g.program));
  }
}

namespace {

bool is_pointer(CODEGEN& g, EXPRESSION* operand) {
  return kind_cast<POINTER_TYPE>(resolved(operand)->type_of(g.program)) != nullptr;
}

char ordering_flag(CODEGEN& g, RELATIONAL& node) {
  const bool unsigned_comparison = is_unsigned_operand(g, node.left) ||
                                   is_unsigned_operand(g, node.right) ||
                                   (is_pointer(g, node.left) && is_pointer(g, node.right));
  return unsigned_comparison ? 'C' : 'S';
}

// One row per operator: whether the operands are compared the other way round, the flag,
// and whether the branch when true is taken on the flag set.
struct RELATION_ROW {
  bool swapped;
  bool ordering;  // C or S; Z otherwise
  bool set_when_true;
};

// None for an expression that is no comparison.
std::optional<RELATION_ROW> relation_row(CODEGEN& g, EXPRESSION_KIND kind) {
  switch (kind) {
    case EXPRESSION_KIND::relational_eq:
      return RELATION_ROW{false, false, true};
    case EXPRESSION_KIND::relational_neq:
      return RELATION_ROW{false, false, false};
    case EXPRESSION_KIND::relational_lt:
      return RELATION_ROW{false, true, true};
    case EXPRESSION_KIND::relational_ge:
      return RELATION_ROW{false, true, false};
    case EXPRESSION_KIND::relational_gt:
      return RELATION_ROW{true, true, true};
    case EXPRESSION_KIND::relational_le:
      return RELATION_ROW{true, true, false};
    case EXPRESSION_KIND::binary_plus:
    case EXPRESSION_KIND::binary_minus:
    case EXPRESSION_KIND::basic_and:
    case EXPRESSION_KIND::inclusive_or:
    case EXPRESSION_KIND::exclusive_or:
    case EXPRESSION_KIND::logical_and:
    case EXPRESSION_KIND::logical_or:
    case EXPRESSION_KIND::shift_left:
    case EXPRESSION_KIND::shift_right:
    case EXPRESSION_KIND::unary_and:
    case EXPRESSION_KIND::unary_star:
    case EXPRESSION_KIND::unary_minus:
    case EXPRESSION_KIND::unary_postfix_plus_plus:
    case EXPRESSION_KIND::unary_postfix_minus_minus:
    case EXPRESSION_KIND::simple_assignment:
    case EXPRESSION_KIND::plus_assignment:
    case EXPRESSION_KIND::and_assignment:
    case EXPRESSION_KIND::or_assignment:
    case EXPRESSION_KIND::xor_assignment:
    case EXPRESSION_KIND::multiply_assignment:
    case EXPRESSION_KIND::divide_assignment:
    case EXPRESSION_KIND::modulo_assignment:
    case EXPRESSION_KIND::minus_assignment:
    case EXPRESSION_KIND::shift_left_assignment:
    case EXPRESSION_KIND::shift_right_assignment:
    case EXPRESSION_KIND::multiply:
    case EXPRESSION_KIND::divide:
    case EXPRESSION_KIND::modulo:
    case EXPRESSION_KIND::comma:
    case EXPRESSION_KIND::cast:
    case EXPRESSION_KIND::size_of:
    case EXPRESSION_KIND::conditional:
    case EXPRESSION_KIND::function_call:
    case EXPRESSION_KIND::pointer_usage:
    case EXPRESSION_KIND::decimal_constant:
    case EXPRESSION_KIND::local_variable:
    case EXPRESSION_KIND::global_variable:
    case EXPRESSION_KIND::argument:
    case EXPRESSION_KIND::name:
    case EXPRESSION_KIND::register_from_c:
      return std::nullopt;
  }
  g.internal_error("an expression of an unknown kind");
}

}  // namespace

// 0, or 1 after the test of each operand (a, then b) that does not decide alone.
STORAGE_MEDIUM& logical_value(CODEGEN& g, LOGICAL& node, bool is_and) {
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.load_constant(g, is_and ? 0 : 1);
  std::vector<ASM_BR*> decided;
  for (EXPRESSION* operand : {node.left, node.right}) {
    STORAGE_MEDIUM& v = medium(g, operand);
    v.compare_constant(g, 0);
    v.release(g);
    if (is_and)
      decided.push_back(&g.code.emit<RB1>('Z', 0));
    else
      decided.push_back(&g.code.emit<RB0>('Z', 0));
  }
  t.add_constant(g, is_and ? 1 : -1);
  for (ASM_BR* branch : decided) branch->set_target(g.code.here(), g.code.rom());
  return t;
}

STORAGE_MEDIUM& relational_value(CODEGEN& g, EXPRESSION& node) {
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.xor_assign(g, t);
  const int32_t slot = jump_if(g, &node, false);
  t.add_constant(g, 1);
  g.sm.fill_jump_slots(slot, g.code.here());
  return t;
}

bool relational_jump_if(CODEGEN& g, EXPRESSION* e, bool when_true, int32_t& slot) {
  const std::optional<RELATION_ROW> row = relation_row(g, e->kind());
  if (!row) return false;
  auto& node = static_cast<RELATIONAL&>(*e);
  STORAGE_MEDIUM& l = medium(g, node.left);
  STORAGE_MEDIUM& r = medium(g, node.right);
  slot = g.sm.reserve_jump_slots();
  if (row->swapped)
    r.compare(g, l);
  else
    l.compare(g, r);
  l.release(g);
  r.release(g);
  const char flag = row->ordering ? ordering_flag(g, node) : 'Z';
  g.sm.emit_indirect_branch(when_true == row->set_when_true, flag);
  return true;
}
