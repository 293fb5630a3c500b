// The dependence rules between two instructions: the later one's reading rule is compared with
// the registers the earlier one writes, both taken from their opcode rows.
#include "forwarding/hazards.h"

namespace {

using enum PIPELINE_READS;

int after(int r) {
  return r == NO_REGISTER ? NO_REGISTER : r + 1;
}
bool same(int read, int written) {
  return read != NO_REGISTER && read == written;
}

// The registers the earlier instruction writes, one per rule (NO_REGISTER when it does not apply).
struct WRITTEN {
  int a = NO_REGISTER;
  int b = NO_REGISTER;
  int after_a = NO_REGISTER;
  int after_b = NO_REGISTER;

  bool any(int r) const { return same(r, a) || later_rules(r); }
  bool later_rules(int r) const { return same(r, b) || loads(r); }
  bool loads(int r) const { return same(r, after_a) || same(r, after_b); }
};

WRITTEN written_by(const PIPELINE_FACTS& earlier, const PROCESSOR_PARAMETERS& parameters) {
  const unsigned writes = earlier.writes;
  const REGISTER_OPERANDS r = earlier.registers;
  WRITTEN w;
  if (writes & WRITES_A) w.a = r.a;
  if (writes & WRITES_B) w.b = r.b;
  if ((writes & WRITES_AFTER_A) && parameters.data_size < 16) w.after_a = after(r.a);
  if ((writes & WRITES_AFTER_B) && parameters.ram_address_width > parameters.data_size)
    w.after_b = after(r.b);
  return w;
}

bool reads_written_register(PIPELINE_READS reads, REGISTER_OPERANDS r, const WRITTEN& w,
                            bool wide_ram) {
  switch (reads) {
    case ITS_REGISTERS:
      return w.any(r.a) || w.any(r.b);
    case INDIRECT:
      return w.any(r.a) || (wide_ram && same(after(r.a), w.a));
    case INDEXED:
      return same(r.b, w.a) || (wide_ram && same(after(r.b), w.a)) || w.later_rules(r.a) ||
             w.later_rules(r.b);
    case LOADED:
      return w.loads(r.a);
    case NOTHING:
    case UNSET:
      break;
  }
  return false;
}

}  // namespace

const ASM& unwrapped(const ASM& object) {
  const ASM* inner = object.wrapped();
  return inner != nullptr ? *inner : object;
}

ASM& unwrapped(ASM& object) {
  ASM* inner = object.wrapped();
  return inner != nullptr ? *inner : object;
}

REGISTER_OPERANDS register_operands(const ASM& object) {
  return unwrapped(object).register_operands();
}

PIPELINE_FACTS pipeline_facts(const ASM& object) {
  const ASM& inner = unwrapped(object);
  const PIPELINE_USE use = inner.pipeline_use();
  return {use.reads, use.writes, inner.reads_status(), inner.writes_status(),
          inner.register_operands()};
}

bool depends_on(const ASM& current, const ASM& earlier, const PROCESSOR_PARAMETERS& parameters) {
  return depends_on(pipeline_facts(current), pipeline_facts(earlier), parameters);
}

bool depends_on(const PIPELINE_FACTS& current, const PIPELINE_FACTS& earlier,
                const PROCESSOR_PARAMETERS& parameters) {
  if (current.reads == NOTHING) return false;
  if (current.reads_status && earlier.writes_status) return true;
  const bool wide_ram = parameters.ram_address_width > parameters.data_size;
  return reads_written_register(current.reads, current.registers, written_by(earlier, parameters),
                                wide_ram);
}
