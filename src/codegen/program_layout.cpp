// Stage (4): the recursion stack's start slots when the program recurses, the globals'
// initialisation from the last to the first, main's body, a jump past the other functions,
// then their code from the last live one to the second, then the arithmetic routines called. Every jump that leaves the program
// lands one past its last word.
#include "codegen/program_layout.h"

#include "base/echo.h"
#include "base/error_handler.h"
#include "cfront/c_function.h"
#include "cfront/c_program.h"
#include "cfront/compound.h"
#include "cfront/declarations.h"
#include "codegen/codegen.h"
#include "codegen/statement_code.h"
#include "isa/instructions.h"
#include "machine/machine.h"

namespace {

void initialise_globals(CODEGEN& g) {
  const std::vector<DECLARATOR*>& globals = g.program.used_declarations;
  for (auto d = globals.rbegin(); d != globals.rend(); ++d) initialise(g, *d);
}

void check_ram_use(CODEGEN& g) {
  const int64_t used = g.machine.ram.written_end() + 1;
  const int width = g.machine.parameters.ram_address_width;
  const int64_t maximum = int64_t{1} << width;
  if (used <= maximum) return;
  g.error_handler.append("Program needs too much RAM.\nRAM used = ")
      .append(used)
      .append("\nWhile RAM address is ")
      .append(width)
      .append(" bits wide (maximum allowed RAM size = ")
      .append(maximum)
      .append(").");
  g.error_handler.error();
}

}  // namespace

void generate_function(CODEGEN& g, C_FUNCTION& function) {
  g.current_function = &function;
  FUNCTION_CODE& code = g.functions[&function];
  code.start = g.code.here();
  generate(g, function.body);
  {
    AT_POSITION at(g.code, function.body->close_brace);
    g.code.emit<RET>();
  }
  for (RCALL* call : code.call_sites) call->set_target(code.start, g.code.rom());
  code.call_sites.clear();
}

void generate_program(CODEGEN& g) {
  g.echo.echo_string("(4) ASM code generation...\n");
  C_FUNCTION& main = *g.program.main;
  AT_POSITION at(g.code, main.position);
  g.recursion.reserve_start(g);
  initialise_globals(g);
  g.current_function = &main;
  generate(g, main.body);
  const std::vector<C_FUNCTION*>& live = g.program.live;
  const bool code_follows = live.size() > 1 || g.routines.any_called();
  RJMP* past_functions = code_follows ? &g.code.emit<RJMP>(0) : nullptr;
  for (std::size_t k = live.size(); k-- > 1;) generate_function(g, *live[k]);
  g.routines.lay_out(g);
  const int32_t end = g.code.here();
  if (past_functions != nullptr) past_functions->set_target(end, g.code.rom());
  for (RJMP* exit : g.exit_jumps) exit->set_target(end, g.code.rom());
  g.current_function = nullptr;
  g.recursion.finish(g);
  check_ram_use(g);
  g.media_valid = true;
}

void place_save_area_and_pool(CODEGEN& g) {
  if (g.program.largest_asm_register_list > 0)
    g.asm_save_area = g.machine.ram.allocate(g.program.largest_asm_register_list);
  g.pool.lay_out(g);
}
