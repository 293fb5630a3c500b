// Operands: constants, variables, parameters, named registers and indexed elements, which
// emit no code of their own (an index expression apart); and the locations and stores of the
// lvalues. Indexing through a pointer adds the pointer's value, not its address.
#include "cfront/asm_statements.h"
#include "cfront/calls.h"
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

namespace {

RAM_SM& address_holder(CODEGEN& g, int32_t address) {
  return g.make<RAM_SM>(address, 1);
}

int32_t unsigned_address(CODEGEN& g, int32_t value) {
  return value & ((int64_t{1} << g.width()) - 1);
}

// base[index]: constant parts become the base address; what is known only at run time, the
// index (or the pointer plus the index), is added by the element access.
STORAGE_MEDIUM& indexed_medium(CODEGEN& g, POINTER_USAGE& usage) {
  EXPRESSION* base = resolved(usage.base);
  EXPRESSION* index = resolved(usage.index);
  auto* base_constant = dynamic_cast<DECIMAL_CONSTANT*>(base);
  auto* index_constant = dynamic_cast<DECIMAL_CONSTANT*>(index);
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

// *p in place: the word at p's value, p evaluated once. A constant pointer is a RAM word.
STORAGE_MEDIUM& dereferenced_location(CODEGEN& g, UNARY_STAR& star) {
  EXPRESSION* pointer = resolved(star.operand);
  if (auto* constant = dynamic_cast<DECIMAL_CONSTANT*>(pointer))
    return address_holder(g, unsigned_address(g, constant->value));
  STORAGE_MEDIUM& p = in_simple_medium(g, medium(g, pointer));
  return g.make<POINTER_SM>(address_holder(g, 0), p);
}

}  // namespace

STORAGE_MEDIUM* named_medium(CODEGEN& g, EXPRESSION* e) {
  if (auto* variable = dynamic_cast<VARIABLE*>(e))
    return &variable_medium(g, variable->declarator->declared());
  if (auto* argument = dynamic_cast<ARGUMENT*>(e))
    return &parameter_medium(g, argument->declaration);
  if (auto* named_register = dynamic_cast<REGISTER_FROM_C*>(e)) {
    if (named_register->machine_register == nullptr) named_register->check(g.program);
    return &g.register_medium(named_register->machine_register->number);
  }
  return nullptr;
}

STORAGE_MEDIUM* operand_medium(CODEGEN& g, EXPRESSION* e) {
  if (auto* constant = dynamic_cast<DECIMAL_CONSTANT*>(e))
    return &g.pool.constant_medium(g, *constant);
  if (STORAGE_MEDIUM* named = named_medium(g, e)) return named;
  if (auto* usage = dynamic_cast<POINTER_USAGE*>(e)) return &indexed_medium(g, *usage);
  return nullptr;
}

STORAGE_MEDIUM& location(CODEGEN& g, EXPRESSION* lvalue) {
  EXPRESSION* e = resolved(lvalue);
  AT_POSITION at(g.code, e->position_of());
  if (auto* star = dynamic_cast<UNARY_STAR*>(e)) return dereferenced_location(g, *star);
  if (STORAGE_MEDIUM* m = operand_medium(g, e)) return *m;
  g.internal_error("a value that is not an lvalue written");
}

void store(CODEGEN& g, EXPRESSION* lvalue, STORAGE_MEDIUM& value) {
  EXPRESSION* e = resolved(lvalue);
  AT_POSITION at(g.code, e->position_of());
  if (auto* star = dynamic_cast<UNARY_STAR*>(e)) {
    EXPRESSION* pointer = resolved(star->operand);
    if (auto* constant = dynamic_cast<DECIMAL_CONSTANT*>(pointer)) {
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
