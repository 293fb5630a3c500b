// The pool is laid out once per build, before any code: a jump over it, then one word per
// distinct value in ascending order. The front end enters every constant it types; only
// those whose value, reduced to the register width, cannot be loaded directly get a word.
#include "codegen/constant_pool.h"

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/constant.h"
#include "codegen/codegen.h"
#include "codegen/media/immediate_sm.h"
#include "codegen/media/machine_sequences.h"
#include "codegen/media/rom_sm.h"
#include "forwarding/forwarder.h"
#include "isa/immediate_range.h"
#include "isa/instructions.h"
#include "machine/machine.h"

void CONSTANT_POOL::reset() {
  words_.clear();
  given_.clear();
  first = last = -1;
  shift = 0;
}

void CONSTANT_POOL::lay_out(CODEGEN& g) {
  std::map<int32_t, POSITION> values;
  for (DECIMAL_CONSTANT* constant : g.program.constant_pool) {
    const int32_t v = reduce_to_width(g, constant->value);
    if (needs_pool(v, g.width())) values.emplace(v, constant->first);
  }
  first = g.code.here();
  if (values.empty()) return;
  // The words are read at the addresses they will have once the code before them (a project's
  // assembly) is padded for the pipeline.
  shift = FORWARDER().padding_before(g.code.rom(), g.machine.parameters, first);
  AT_POSITION at(g.code, values.begin()->second);
  // Not lengthened past its reach like the compiler's other jumps: that would move the pool.
  auto jump_object = std::make_unique<RJMP>(g.code.position, 0);
  RJMP& jump = *jump_object;
  jump.refuse_line_breakpoint();
  g.code.append(std::move(jump_object));
  for (const auto& [value, position] : values) {
    AT_POSITION word_at(g.code, position);
    const int32_t address = g.code.here() + shift;
    g.code.emit<PMC>(value).refuse_line_breakpoint();
    words_[value] = &g.make<ROM_SM>(address, value);
  }
  last = g.code.last();
  jump.set_target(last + 1, g.code.rom());
}

STORAGE_MEDIUM& CONSTANT_POOL::value_medium(CODEGEN& g, int32_t reduced) {
  if (!needs_pool(reduced, g.width())) return g.make<IMMEDIATE_SM>(reduced);
  auto found = words_.find(reduced);
  if (found == words_.end())
    g.internal_error("the constant " + std::to_string(reduced) + " is missing from the pool");
  return *found->second;
}

// An array's address used as a value must fit the one-word pointer.
STORAGE_MEDIUM& CONSTANT_POOL::constant_medium(CODEGEN& g, DECIMAL_CONSTANT& constant) {
  const int n = g.width();
  if (kind_cast<POINTER_TYPE>(constant.type) != nullptr && constant.value >= (1 << n) &&
      g.wide_ram())
    g.error_handler.error_at(constant.first, "This address does not fit into a one-word pointer.");
  STORAGE_MEDIUM& m = value_medium(g, reduce_to_width(g, constant.value));
  given_[&constant] = &m;
  return m;
}

const STORAGE_MEDIUM* CONSTANT_POOL::medium_given(const DECIMAL_CONSTANT* constant) const {
  auto found = given_.find(constant);
  return found == given_.end() ? nullptr : found->second;
}
