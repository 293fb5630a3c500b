// Comparisons and the logical operators. A comparison branches through the long-jump
// registers on Z, or for the orderings on C when C's usual conversions make it unsigned and
// on S otherwise; its value is 0 or 1. && and || skip their second operand with RB1 and RB0.
#include "cfront/binary.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/relational.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/storage_medium.h"
#include "isa/instructions.h"

namespace {

// An unsigned int operand, looking through + - & | ^; an unsigned char only where it fills
// the word (8-bit registers).
bool is_unsigned_operand(CODEGEN& g, EXPRESSION* operand) {
  EXPRESSION* e = resolved(operand);
  if (dynamic_cast<BINARY_PLUS*>(e) != nullptr || dynamic_cast<BINARY_MINUS*>(e) != nullptr ||
      dynamic_cast<BIT_A_BIT*>(e) != nullptr) {
    auto* binary = static_cast<BINARY*>(e);
    return is_unsigned_operand(g, binary->left) || is_unsigned_operand(g, binary->right);
  }
  C_TYPE* type = e->type_of(g.program);
  if (type == nullptr) return false;
  if (dynamic_cast<UNSIGNED_INT_TYPE*>(type) != nullptr) return true;
  return dynamic_cast<UNSIGNED_CHAR_TYPE*>(type) != nullptr && g.width() == 8;
}

bool is_pointer(CODEGEN& g, EXPRESSION* operand) {
  return dynamic_cast<POINTER_TYPE*>(resolved(operand)->type_of(g.program)) != nullptr;
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

bool relation_row(EXPRESSION* e, RELATION_ROW& row) {
  if (dynamic_cast<RELATIONAL_EQ*>(e))
    row = {false, false, true};
  else if (dynamic_cast<RELATIONAL_NEQ*>(e))
    row = {false, false, false};
  else if (dynamic_cast<RELATIONAL_LT*>(e))
    row = {false, true, true};
  else if (dynamic_cast<RELATIONAL_GE*>(e))
    row = {false, true, false};
  else if (dynamic_cast<RELATIONAL_GT*>(e))
    row = {true, true, true};
  else if (dynamic_cast<RELATIONAL_LE*>(e))
    row = {true, true, false};
  else
    return false;
  return true;
}

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

STORAGE_MEDIUM& relational_value(CODEGEN& g, EXPRESSION* e) {
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  t.xor_assign(g, t);
  const int32_t slot = jump_if(g, e, false);
  t.add_constant(g, 1);
  g.sm.fill_jump_slots(slot, g.code.here());
  return t;
}

}  // namespace

bool relational_jump_if(CODEGEN& g, EXPRESSION* e, bool when_true, int32_t& slot) {
  RELATION_ROW row;
  if (!relation_row(e, row)) return false;
  auto& node = *static_cast<RELATIONAL*>(e);
  STORAGE_MEDIUM& l = medium(g, node.left);
  STORAGE_MEDIUM& r = medium(g, node.right);
  slot = g.sm.reserve_jump_slots();
  if (row.swapped)
    r.compare(g, l);
  else
    l.compare(g, r);
  l.release(g);
  r.release(g);
  const char flag = row.ordering ? ordering_flag(g, node) : 'Z';
  g.sm.emit_indirect_branch(when_true == row.set_when_true, flag);
  return true;
}

STORAGE_MEDIUM* condition_medium(CODEGEN& g, EXPRESSION* e) {
  RELATION_ROW row;
  if (relation_row(e, row)) return &relational_value(g, e);
  if (auto* node = dynamic_cast<LOGICAL_AND*>(e)) return &logical_value(g, *node, true);
  if (auto* node = dynamic_cast<LOGICAL_OR*>(e)) return &logical_value(g, *node, false);
  return nullptr;
}
