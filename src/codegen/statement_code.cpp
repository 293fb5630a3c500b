// Blocks, expression statements and assembly statements; the control-flow statements have
// their own file.
#include "codegen/statement_code.h"

#include <span>

#include "base/kind_cast.h"
#include "cfront/asm_statements.h"
#include "cfront/calls.h"
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
#include "codegen/structure_code.h"
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

// Each local of the block's frame gets its medium, then its initial value, in source order; a
// static or extern one lives and is initialised with the globals.
void declare_locals(CODEGEN& g, std::span<DECLARATOR* const> declarations) {
  for (DECLARATOR* declaration : declarations)
    if (declaration != nullptr && declaration->is_automatic()) {
      variable_medium(g, declaration->declared());
      initialise(g, declaration);
    }
}

void generate_compound(CODEGEN& g, COMPOUND& block) {
  if (block.declarations != nullptr) declare_locals(g, block.declarations->head());
  for (STATEMENT* statement : block.statements) generate(g, statement);
}

// A local's value may be a call's: its result medium is stored, as `x = f();` stores it.
void initialise_scalar(CODEGEN& g, INITIALIZER& initializer) {
  if (initializer.expression == nullptr) return;
  STORAGE_MEDIUM& target = variable_medium(g, initializer.declared());
  if (is_structure(g, initializer.expression))
    return copy_structure_into(g, target, initializer.expression);
  auto* call = kind_cast<FUNCTION_CALL>(resolved(initializer.expression));
  STORAGE_MEDIUM& v =
      call != nullptr ? call_result_medium(g, *call) : medium(g, initializer.expression);
  target.assign(g, v);
  v.release(g);
}

bool is_empty_block(const CODEGEN& g, const COMPOUND& block) {
  if (block.declarations != nullptr && !block.declarations->declarations.empty()) return false;
  for (STATEMENT* inner : block.statements)
    if (!is_empty(g, inner)) return false;
  return true;
}

void generate_expression_statement(CODEGEN& g, EXPRESSION_STATEMENT& statement) {
  if (statement.expression != nullptr) side_effects(g, statement.expression);
}

void generate_asm_call(CODEGEN& g, ASM_CALL& call) {
  if (call.instruction != nullptr) g.code.append(std::move(call.instruction));
}

}  // namespace

void initialise(CODEGEN& g, DECLARATOR* declaration) {
  AT_POSITION at(g.code, declaration->position());
  switch (declaration->kind()) {
    case DECLARATOR_KIND::initializer_list: {
      auto& list = static_cast<INITIALIZER_LIST&>(*declaration);
      return list.braces != nullptr ? initialise_words(g, list) : initialise_array(g, list);
    }
    case DECLARATOR_KIND::initializer:
      return initialise_scalar(g, static_cast<INITIALIZER&>(*declaration));
    case DECLARATOR_KIND::type_and_name:
    case DECLARATOR_KIND::array_type:
    case DECLARATOR_KIND::function_prototype:
      return;
  }
  g.internal_error("a declaration of an unknown kind");
}

bool is_empty(const CODEGEN& g, STATEMENT* statement) {
  if (statement == nullptr) return true;
  switch (statement->kind()) {
    case STATEMENT_KIND::expression_statement:
      return static_cast<EXPRESSION_STATEMENT&>(*statement).expression == nullptr;
    case STATEMENT_KIND::compound:
      return is_empty_block(g, static_cast<COMPOUND&>(*statement));
    case STATEMENT_KIND::if_else:
    case STATEMENT_KIND::while_loop:
    case STATEMENT_KIND::do_while:
    case STATEMENT_KIND::for_loop:
    case STATEMENT_KIND::case_clause:
    case STATEMENT_KIND::default_clause:
    case STATEMENT_KIND::switch_statement:
    case STATEMENT_KIND::label:
    case STATEMENT_KIND::goto_statement:
    case STATEMENT_KIND::break_statement:
    case STATEMENT_KIND::continue_statement:
    case STATEMENT_KIND::return_without_expression:
    case STATEMENT_KIND::return_expression:
    case STATEMENT_KIND::asm_call:
    case STATEMENT_KIND::asm_macro:
    case STATEMENT_KIND::declaration:
      return false;
  }
  g.internal_error("a statement of an unknown kind");
}

// case and default generate nothing here: their statements belong to the switch.
void generate(CODEGEN& g, STATEMENT* statement) {
  if (statement == nullptr) return;
  AT_POSITION at(g.code, statement->start);
  switch (statement->kind()) {
    case STATEMENT_KIND::compound:
      return generate_compound(g, static_cast<COMPOUND&>(*statement));
    case STATEMENT_KIND::expression_statement:
      return generate_expression_statement(g, static_cast<EXPRESSION_STATEMENT&>(*statement));
    case STATEMENT_KIND::asm_call:
      return generate_asm_call(g, static_cast<ASM_CALL&>(*statement));
    case STATEMENT_KIND::asm_macro:
      return generate_asm_macro(g, static_cast<ASM_MACRO&>(*statement));
    case STATEMENT_KIND::if_else:
      return generate_if(g, static_cast<IF_ELSE&>(*statement));
    case STATEMENT_KIND::while_loop:
      return generate_while(g, static_cast<WHILE&>(*statement));
    case STATEMENT_KIND::do_while:
      return generate_do_while(g, static_cast<DO_WHILE&>(*statement));
    case STATEMENT_KIND::for_loop:
      return generate_for(g, static_cast<FOR&>(*statement));
    case STATEMENT_KIND::switch_statement:
      return generate_switch(g, static_cast<SWITCH&>(*statement));
    case STATEMENT_KIND::goto_statement:
      return generate_goto(g, static_cast<GOTO&>(*statement));
    case STATEMENT_KIND::break_statement:
      return generate_break(g, static_cast<BREAK&>(*statement));
    case STATEMENT_KIND::continue_statement:
      return generate_continue(g);
    case STATEMENT_KIND::label:
      return generate_label(g, static_cast<LABEL&>(*statement));
    case STATEMENT_KIND::return_without_expression:
      return generate_return(g);
    case STATEMENT_KIND::return_expression:
      return generate_return(g, static_cast<RETURN_EXPRESSION&>(*statement));
    case STATEMENT_KIND::declaration:
      return declare_locals(g, static_cast<DECLARATION_STATEMENT&>(*statement).declarators);
    case STATEMENT_KIND::case_clause:
    case STATEMENT_KIND::default_clause:
      return;
  }
  g.internal_error("a statement of an unknown kind");
}
