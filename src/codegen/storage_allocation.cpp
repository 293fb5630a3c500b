// The order of allocation decides which values get registers: temporary #1 first (the highest
// free register), then the parameters of the called functions, the globals, temporary #2, the
// top-level locals and the results. Whatever finds the free-register stack empty goes to RAM.
#include "codegen/storage_allocation.h"

#include "base/echo.h"
#include "base/kind_cast.h"
#include "cfront/c_function.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/compound.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"
#include "codegen/codegen.h"
#include "codegen/media/dev_null_sm.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/register_sm.h"
#include "machine/machine.h"

namespace {

// A function whose address is taken may be called through a pointer.
bool is_called(const C_FUNCTION& function) {
  return !function.calls.empty() || function.pointer_number != 0;
}

bool has_parameters(const C_FUNCTION& function) {
  return function.parameters != nullptr && !function.parameters->is_void() &&
         !function.parameters->parameters.empty();
}

void report_temporary(CODEGEN& g, const char* which, REGISTER_SM* temporary) {
  if (temporary == nullptr) {
    g.echo.echo_string("No temporary register #2.\n");
    return;
  }
  g.echo.echo_string("Temporary register #");
  g.echo.echo_string(which);
  g.echo.echo_string(" is R");
  g.echo.echo_integer(temporary->r.number);
  g.echo.echo_string("\n");
}

void place_parameters(CODEGEN& g) {
  const std::vector<C_FUNCTION*>& live = g.program.live;
  for (auto f = live.rbegin(); f != live.rend(); ++f) {
    C_FUNCTION& function = **f;
    if (!is_called(function) || !has_parameters(function)) continue;
    g.echo.echo_string("\t" + *function.text);
    for (ARGUMENT_DECLARATION* parameter : function.parameters->parameters) {
      STORAGE_MEDIUM& m = parameter_medium(g, parameter);
      g.functions[&function].parameters.push_back(&m);
      const std::string name = parameter->name != nullptr ? *parameter->name->text : "";
      g.echo.echo_string(" " + name + "/" + m.print_kind(g.machine));
    }
    g.echo.echo_string("\n");
  }
}

void place_globals(CODEGEN& g) {
  const std::vector<DECLARATOR*>& globals = g.program.used_declarations;
  for (auto d = globals.rbegin(); d != globals.rend(); ++d) {
    DECLARATOR* storage = (*d)->declared();
    if (kind_cast<FUNCTION_PROTOTYPE>(storage) != nullptr || storage->name() == nullptr) continue;
    STORAGE_MEDIUM& m = variable_medium(g, storage);
    g.echo.echo_string(*storage->name()->text + " " + m.print_kind(g.machine) + "\n");
  }
}

void place_top_level_locals(CODEGEN& g) {
  for (C_FUNCTION* function : g.program.live) {
    if (function->body == nullptr || function->body->declarations == nullptr) continue;
    g.current_function = function;
    for (DECLARATOR* declaration : function->body->declarations->declarations)
      if (declaration != nullptr && declaration->is_automatic())
        variable_medium(g, declaration->declared());
  }
  g.current_function = nullptr;
}

void place_results(CODEGEN& g) {
  const std::vector<C_FUNCTION*>& live = g.program.live;
  for (auto f = live.rbegin(); f != live.rend(); ++f) {
    C_FUNCTION& function = **f;
    if (!is_called(function)) continue;
    FUNCTION_CODE& code = g.functions[&function];
    if (function.return_type == nullptr || function.return_type->is_void()) {
      code.result = &g.make<DEV_NULL_SM>(&function);
      continue;
    }
    code.result = &g.sm.new_variable_medium();
    g.echo.echo_string("\t" + *function.text + " result/" + code.result->print_kind(g.machine) +
                       "\n");
  }
}

}  // namespace

void compute_storage_media(CODEGEN& g) {
  g.echo.echo_string("(3) Storage medium computation.\n");
  g.roles.assign_register_roles(g.machine.parameters, g.echo);
  for (C_FUNCTION* function : g.program.live) g.functions[function];
  g.sm.take_temporary_register(g.sm.temporary_1);
  if (g.sm.temporary_1 != nullptr) report_temporary(g, "1", g.sm.temporary_1);
  place_parameters(g);
  place_globals(g);
  g.sm.take_temporary_register(g.sm.temporary_2);
  report_temporary(g, "2", g.sm.temporary_2);
  place_top_level_locals(g);
  place_results(g);
  g.recursion.find_recursion(g.program);
}

STORAGE_MEDIUM& variable_medium(CODEGEN& g, DECLARATOR* storage) {
  auto found = g.declared_media.find(storage);
  if (found != g.declared_media.end()) return *found->second;
  STORAGE_MEDIUM* m = nullptr;
  if (auto* array = kind_cast<ARRAY_TYPE>(storage)) {
    if (array->ram_start < 0 || array->size == nullptr)
      g.internal_error("an array without its RAM block");
    m = &g.make<RAM_SM>(array->ram_start, words_of_declarator(array));
  } else if (auto* structure = kind_cast<TYPE_AND_NAME>(storage);
             structure != nullptr && layout_of(structure->type()) != nullptr) {
    if (structure->ram_start < 0) g.internal_error("a structure without its RAM block");
    m = &g.make<RAM_SM>(structure->ram_start, words_of_declarator(structure));
  } else if (storage->needs_ram_cell) {
    m = &g.new_ram_medium();
  } else {
    m = &g.sm.new_variable_medium();
  }
  g.declared_media[storage] = m;
  if (g.current_function != nullptr) g.functions[g.current_function].locals.push_back(m);
  return *m;
}

STORAGE_MEDIUM& parameter_medium(CODEGEN& g, ARGUMENT_DECLARATION* parameter) {
  auto found = g.declared_media.find(parameter);
  if (found != g.declared_media.end()) return *found->second;
  STORAGE_MEDIUM& m = g.sm.new_variable_medium();
  g.declared_media[parameter] = &m;
  return m;
}
