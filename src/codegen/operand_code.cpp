// Operands: constants, variables, parameters, named registers and indexed elements, which
// emit no code of their own (an index expression apart); and the locations and stores of the
// lvalues. Indexing through a pointer adds the pointer's value, not its address.
#include "base/kind_cast.h"
#include "cfront/asm_statements.h"
#include "cfront/calls.h"
#include "cfront/compound_literal.h"
#include "cfront/constant.h"
#include "cfront/unary.h"
#include "cfront/variables.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/immediate_sm.h"
#include "codegen/media/pointer_sm.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/register_sm.h"
#include "codegen/storage_allocation.h"
#include "codegen/structure_code.h"

namespace {

RAM_SM& address_holder(CODEGEN& g, int32_t address) {
  return g.make<RAM_SM>(address, 1);
}

int32_t unsigned_address(CODEGEN& g, int32_t value) {
  return value & ((int64_t{1} << g.width()) - 1);
}

// *p in place: the word at p's value, p evaluated once. A constant pointer is a RAM word.
STORAGE_MEDIUM& dereferenced_location(CODEGEN& g, UNARY_STAR& star) {
  EXPRESSION* pointer = resolved(star.operand);
  if (auto* constant = kind_cast<DECIMAL_CONSTANT>(pointer))
    return address_holder(g, unsigned_address(g, constant->value));
  STORAGE_MEDIUM& p = in_simple_medium(g, medium(g, pointer));
  return g.make<POINTER_SM>(address_holder(g, 0), p);
}

}  // namespace

// base[index]: constant parts become the base address; what is known only at run time, the
// index (or the pointer plus the index), is added by the element access.
STORAGE_MEDIUM& indexed_medium(CODEGEN& g, POINTER_USAGE& usage) {
  EXPRESSION* base = resolved(usage.base);
  EXPRESSION* index = resolved(usage.index);
  auto* base_constant = kind_cast<DECIMAL_CONSTANT>(base);
  auto* index_constant = kind_cast<DECIMAL_CONSTANT>(index);
  if (base_constant != nullptr && index_constant != nullptr)
    return address_holder(g, base_constant->value + index_constant->value);
  if (base_constant != nullptr) {
    STORAGE_MEDIUM& i = in_simple_medium(g, medium(g, index));
    return g.make<POINTER_SM>(address_holder(g, base_constant->value), i);
  }
  if (index_constant != nullptr) {
    STORAGE_MEDIUM& p = in_simple_medium(g, medium(g, base));
    return g.make<POINTER_SM>(address_holder(g, index_constant->value), p);
  }
  STORAGE_MEDIUM& i = medium(g, index);
  STORAGE_MEDIUM& p = medium(g, base);
  STORAGE_MEDIUM& sum = g.sm.take_temporary_medium();
  sum.assign(g, p);
  p.release(g);
  sum.add_assign(g, i);
  i.release(g);
  return g.make<POINTER_SM>(address_holder(g, 0), sum);
}

STORAGE_MEDIUM* named_medium(CODEGEN& g, EXPRESSION* e) {
  if (e == nullptr) return nullptr;
  switch (e->kind()) {
    case EXPRESSION_KIND::local_variable:
    case EXPRESSION_KIND::global_variable:
      if (auto* literal = dynamic_cast<COMPOUND_LITERAL*>(e)) return &literal_medium(g, *literal);
      return &variable_medium(g, static_cast<VARIABLE*>(e)->declarator->declared());
    case EXPRESSION_KIND::argument:
      return &parameter_medium(g, static_cast<ARGUMENT*>(e)->declaration);
    case EXPRESSION_KIND::register_from_c: {
      auto* named_register = static_cast<REGISTER_FROM_C*>(e);
      if (named_register->machine_register == nullptr) named_register->check(g.program);
      return &g.register_medium(named_register->machine_register->number);
    }
    default:  // only variables, parameters and registers are named
      return nullptr;
  }
}

STORAGE_MEDIUM& location(CODEGEN& g, EXPRESSION* lvalue) {
  EXPRESSION* e = resolved(lvalue);
  AT_POSITION at(g.code, e->position_of());
  switch (e->kind()) {
    case EXPRESSION_KIND::unary_star:
      return dereferenced_location(g, static_cast<UNARY_STAR&>(*e));
    case EXPRESSION_KIND::decimal_constant:
      return g.pool.constant_medium(g, static_cast<DECIMAL_CONSTANT&>(*e));
    case EXPRESSION_KIND::local_variable:
    case EXPRESSION_KIND::global_variable:
    case EXPRESSION_KIND::argument:
    case EXPRESSION_KIND::register_from_c:
      return *named_medium(g, e);
    case EXPRESSION_KIND::pointer_usage:
      return indexed_medium(g, static_cast<POINTER_USAGE&>(*e));
    case EXPRESSION_KIND::binary_plus:
    case EXPRESSION_KIND::binary_minus:
    case EXPRESSION_KIND::basic_and:
    case EXPRESSION_KIND::inclusive_or:
    case EXPRESSION_KIND::exclusive_or:
    case EXPRESSION_KIND::logical_and:
    case EXPRESSION_KIND::logical_or:
    case EXPRESSION_KIND::shift_left:
    case EXPRESSION_KIND::shift_right:
    case EXPRESSION_KIND::relational_eq:
    case EXPRESSION_KIND::relational_neq:
    case EXPRESSION_KIND::relational_lt:
    case EXPRESSION_KIND::relational_le:
    case EXPRESSION_KIND::relational_gt:
    case EXPRESSION_KIND::relational_ge:
    case EXPRESSION_KIND::unary_and:
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
    case EXPRESSION_KIND::multiply:
    case EXPRESSION_KIND::divide:
    case EXPRESSION_KIND::modulo:
    case EXPRESSION_KIND::comma:
    case EXPRESSION_KIND::cast:
    case EXPRESSION_KIND::size_of:
    case EXPRESSION_KIND::conditional:
    case EXPRESSION_KIND::minus_assignment:
    case EXPRESSION_KIND::shift_left_assignment:
    case EXPRESSION_KIND::shift_right_assignment:
    case EXPRESSION_KIND::function_call:
    case EXPRESSION_KIND::name:
      break;
  }
  g.internal_error("a value that is not an lvalue written");
}

void store(CODEGEN& g, EXPRESSION* lvalue, STORAGE_MEDIUM& value) {
  EXPRESSION* e = resolved(lvalue);
  AT_POSITION at(g.code, e->position_of());
  if (auto* star = kind_cast<UNARY_STAR>(e)) {
    EXPRESSION* pointer = resolved(star->operand);
    if (auto* constant = kind_cast<DECIMAL_CONSTANT>(pointer)) {
      address_holder(g, unsigned_address(g, constant->value)).assign(g, value);
      return;
    }
    STORAGE_MEDIUM& m = medium(g, pointer);
    m.store_indirect(g, value);
    m.release(g);
    return;
  }
  STORAGE_MEDIUM& target = location(g, e);
  target.assign(g, value);
  target.release(g);
}
