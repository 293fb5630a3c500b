// Blocks, expression statements and assembly statements; the control-flow statements have
// their own file.
#include "codegen/statement_code.h"

#include "cfront/asm_statements.h"
#include "cfront/compound.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"
#include "cfront/statements.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/machine_sequences.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/scratch.h"
#include "codegen/storage_allocation.h"
#include "isa/instructions.h"
#include "machine/machine.h"

namespace {

// The elements are stored stepping R2 up; the last one with ST when its word ends the RAM,
// where a post-increment would wrap the address.
void initialise_array(CODEGEN& g, INITIALIZER_LIST& list) {
  auto& array = static_cast<RAM_SM&>(variable_medium(g, list.declared()));
  REGISTER& r2 = g.roles.ram_access();
  ram_address(g, array.address);
  const int32_t top = g.machine.ram.last_address();
  for (std::size_t k = 0; k < list.items.size(); ++k) {
    STORAGE_MEDIUM& v = medium(g, list.items[k]);
    if (array.address + static_cast<int32_t>(k) == top) {
      SCRATCH use(g);
      g.code.emit<ST>(&v.fetch(g, use), &r2);
    } else {
      v.store_stepping(g, r2, true);
    }
    v.release(g);
  }
}

void generate_compound(CODEGEN& g, COMPOUND& block) {
  if (block.declarations != nullptr)
    for (DECLARATOR* declaration : block.declarations->declarations)
      if (declaration != nullptr) {
        variable_medium(g, declaration->declared());
        initialise(g, declaration);
      }
  for (STATEMENT* statement : block.statements) generate(g, statement);
}

}  // namespace

void initialise(CODEGEN& g, DECLARATOR* declaration) {
  AT_POSITION at(g.code, declaration->position());
  if (auto* list = dynamic_cast<INITIALIZER_LIST*>(declaration)) {
    initialise_array(g, *list);
    return;
  }
  auto* initializer = dynamic_cast<INITIALIZER*>(declaration);
  if (initializer == nullptr || initializer->expression == nullptr) return;
  STORAGE_MEDIUM& target = variable_medium(g, initializer->declared());
  STORAGE_MEDIUM& v = medium(g, initializer->expression);
  target.assign(g, v);
  v.release(g);
}

bool is_empty(STATEMENT* statement) {
  if (statement == nullptr) return true;
  if (auto* expression = dynamic_cast<EXPRESSION_STATEMENT*>(statement))
    return expression->expression == nullptr;
  auto* block = dynamic_cast<COMPOUND*>(statement);
  if (block == nullptr) return false;
  if (block->declarations != nullptr && !block->declarations->declarations.empty()) return false;
  for (STATEMENT* inner : block->statements)
    if (!is_empty(inner)) return false;
  return true;
}

void generate(CODEGEN& g, STATEMENT* statement) {
  if (statement == nullptr) return;
  AT_POSITION at(g.code, statement->start);
  if (auto* block = dynamic_cast<COMPOUND*>(statement)) {
    generate_compound(g, *block);
  } else if (auto* expression = dynamic_cast<EXPRESSION_STATEMENT*>(statement)) {
    if (expression->expression != nullptr) side_effects(g, expression->expression);
  } else if (auto* instruction = dynamic_cast<ASM_CALL*>(statement)) {
    if (instruction->instruction != nullptr) g.code.append(std::move(instruction->instruction));
  } else if (auto* macro = dynamic_cast<ASM_MACRO*>(statement)) {
    generate_asm_macro(g, *macro);
  } else if (!generate_control_flow(g, statement)) {
    // case and default: their statements belong to the switch
  }
}
