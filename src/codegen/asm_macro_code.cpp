// #asm macros: the registers the macro uses are saved in the save area, the inputs are loaded
// into their registers, the body runs, the outputs are stored through their lvalues, and the
// saved registers come back. An output that goes to a variable held in a listed register
// leaves that register out of the save. With several inputs, all are evaluated before any
// register is written, and a value held in a register an earlier input writes is kept in RAM;
// the same holds for an output read from a register an earlier output's variable lives in.
#include <algorithm>
#include <vector>

#include "base/kind_cast.h"
#include "cfront/asm_statements.h"
#include "cfront/assignments.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/machine_sequences.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/register_sm.h"
#include "codegen/statement_code.h"
#include "isa/instructions.h"
#include "machine/machine.h"

namespace {

REGISTER& register_of(CODEGEN& g, EXPRESSION* expression) {
  auto* named = kind_cast<REGISTER_FROM_C>(resolved(expression));
  if (named == nullptr) g.internal_error("an #asm assignment without its register");
  if (named->machine_register == nullptr) named->check(g.program);
  return *named->machine_register;
}

std::vector<REGISTER*> registers_to_save(CODEGEN& g, ASM_MACRO& macro) {
  std::vector<REGISTER*> saved;
  for (REGISTER_FROM_C* listed : macro.registers) saved.push_back(&register_of(g, listed));
  for (SIMPLE_ASSIGNMENT* output : macro.outputs) {
    auto* target = kind_cast<REGISTER_SM>(named_medium(g, resolved(output->target)));
    if (target != nullptr) std::erase(saved, &target->r);
  }
  return saved;
}

// Post-incremented through the area; the last word with a plain access when it ends the RAM.
void step_through_save_area(CODEGEN& g, const std::vector<REGISTER*>& registers, bool save) {
  if (registers.empty()) return;
  REGISTER& r2 = g.roles.ram_access();
  ram_address(g, g.asm_save_area);
  const int32_t top = g.machine.ram.last_address();
  for (std::size_t k = 0; k < registers.size(); ++k) {
    const bool last_of_ram = g.asm_save_area + static_cast<int32_t>(k) == top;
    if (save && last_of_ram)
      g.code.emit<ST>(registers[k], &r2);
    else if (save)
      g.code.emit<STX_INCREMENT>(registers[k], &r2);
    else if (last_of_ram)
      g.code.emit<LD>(registers[k], &r2);
    else
      g.code.emit<LDX_INCREMENT>(registers[k], &r2);
  }
}

bool read_in_written_register(const STORAGE_MEDIUM& m, const std::vector<REGISTER*>& written) {
  if (m.kind() == MEDIUM_KIND::pointer) return true;
  auto* r = kind_cast<REGISTER_SM>(&m);
  return r != nullptr && std::find(written.begin(), written.end(), &r->r) != written.end();
}

void load_inputs(CODEGEN& g, ASM_MACRO& macro) {
  if (macro.inputs.size() == 1) {
    SIMPLE_ASSIGNMENT* input = macro.inputs.front();
    STORAGE_MEDIUM& v = medium(g, input->source);
    g.register_medium(register_of(g, input->target).number).assign(g, v);
    v.release(g);
    return;
  }
  std::vector<STORAGE_MEDIUM*> values;
  std::vector<REGISTER*> written;
  for (SIMPLE_ASSIGNMENT* input : macro.inputs) {
    STORAGE_MEDIUM* v = &medium(g, input->source);
    if (read_in_written_register(*v, written)) {
      RAM_SM& kept = g.new_ram_medium();
      kept.assign(g, *v);
      v->release(g);
      v = &kept;
    }
    values.push_back(v);
    written.push_back(&register_of(g, input->target));
  }
  for (std::size_t k = 0; k < values.size(); ++k) {
    g.register_medium(written[k]->number).assign(g, *values[k]);
    values[k]->release(g);
  }
}

// An output whose register an earlier output's variable is held in is read into RAM before
// any output is stored.
void store_outputs(CODEGEN& g, ASM_MACRO& macro) {
  std::vector<STORAGE_MEDIUM*> values;
  std::vector<REGISTER*> written;
  for (SIMPLE_ASSIGNMENT* output : macro.outputs) {
    REGISTER& source = register_of(g, output->source);
    STORAGE_MEDIUM* v = &g.register_medium(source.number);
    if (std::find(written.begin(), written.end(), &source) != written.end()) {
      RAM_SM& kept = g.new_ram_medium();
      kept.assign(g, *v);
      v = &kept;
    }
    values.push_back(v);
    if (auto* target = kind_cast<REGISTER_SM>(named_medium(g, resolved(output->target))))
      written.push_back(&target->r);
  }
  for (std::size_t k = 0; k < values.size(); ++k) store(g, macro.outputs[k]->target, *values[k]);
}

}  // namespace

void generate_asm_macro(CODEGEN& g, ASM_MACRO& macro) {
  AT_POSITION at(g.code, macro.start);
  const std::vector<REGISTER*> saved = registers_to_save(g, macro);
  step_through_save_area(g, saved, true);
  load_inputs(g, macro);
  generate(g, macro.body);
  store_outputs(g, macro);
  step_through_save_area(g, saved, false);
}
