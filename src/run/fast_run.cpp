// One function with a label per handler, each ending by jumping straight to the next record's
// handler (labels as values, which g++ and clang both offer): no call, no switch, and no bounds
// test, since a sequential run ends on the ROM's sentinel record and branch targets outside
// the ROM are left to generic records. The program counter, the clock's new periods and the
// pending flags stay in local variables and go back into the machine before a generic record
// and at the end.
#include "run/fast_run.h"

#include <cstddef>
#include <iterator>

#include "base/error_handler.h"
#include "base/user_interface.h"
#include "isa/alu.h"
#include "isa/opcode_table.h"
#include "machine/machine.h"
#include "run/pending_flags.h"

namespace {
constexpr int periods_of(OPCODE opcode) {
  return row_of(opcode).periods;
}
constexpr int taken_branch_periods = row_of(OPCODE::RB0).periods;
constexpr int untaken_branch_periods = 1;
static_assert(row_of(OPCODE::RB1).periods == taken_branch_periods);

// The instruction's arithmetic and flags, the same kernel its object executes.
template <OPCODE op, class... OPERANDS>
constexpr auto kernel(OPERANDS... operands) {
  return ALU_KERNEL<op>::apply(operands...);
}

bool has_diagnostics(const ERROR_HANDLER& errors) {
  return errors.error_count() != 0 || errors.warning_count() != 0;
}
}  // namespace

// A kind's handler is the label of its name.
#define HANDLER_OF(kind) &&kind,

RUN_END run_program(MACHINE& machine, int64_t limit, ON_DIAGNOSTIC on_diagnostic) {
  const int64_t size = machine.rom.size();
  int64_t pc = machine.program_counter.value;
  if (pc < 0 || pc >= size) return {RUN_END::finished, 0, -1};
  if (limit <= 0) return {RUN_END::limit, 0, -1};

  // Indexed by FAST_KIND and generated from the list that makes it, so a kind without its label
  // does not compile.
  static void* const handlers[] = {FAST_KIND_LIST(HANDLER_OF)};
  static_assert(std::size(handlers) == static_cast<std::size_t>(FAST_KIND::count),
                "one handler per FAST_KIND, in its order");

  // The labels with blocks and the macros below keep their own layout.
  // clang-format off
  const PREDECODED* const code = machine.rom.predecoded();
  REGISTER* const registers = &machine.registers.at(0);
  STATUS_REGISTER& status = machine.status;
  const ERROR_HANDLER& errors = machine.error_handler;
  const EXECUTION_STATE& execution = machine.execution;
  const bool stops_on_diagnostic = on_diagnostic == ON_DIAGNOSTIC::stop;
  const DATA_WIDTH width{machine.parameters.data_size};
  MACHINE_RAM& ram = machine.ram;
  MACHINE_STACK& stack = machine.stack;
  const int data_size = machine.parameters.data_size;
  const int32_t value_mask = uint_max(data_size);
  const bool ram_needs_pair = ram.needs_pair();
  const int64_t ram_mask = ram.last_address();
  const bool pc_needs_pair = machine.program_counter.needs_pair();
  // The address in register r, and in the register after it when addresses take a pair.
  const auto address_in = [&](int r, bool pair) {
    int64_t address = registers[r].value & value_mask;
    if (pair && r + 1 < REGISTER_POOL::capacity)
      address += int64_t{registers[r + 1].value & value_mask} << data_size;
    return address;
  };
  const auto ram_address = [&](int r) { return address_in(r, ram_needs_pair) & ram_mask; };
  const auto rom_address = [&](int r) { return address_in(r, pc_needs_pair); };
  int64_t periods = 0;
  int64_t remaining = limit;
  PENDING_FLAGS flags;
  const PREDECODED* record = &code[pc];
  RUN_END::REASON reason = RUN_END::limit;

#define NEXT(advance_periods)                 \
  do {                                        \
    periods += (advance_periods);             \
    if (--remaining == 0) goto out_of_budget; \
    record = &code[pc];                       \
    goto* handlers[static_cast<int>(record->kind)]; \
  } while (false)
#define REG(n) registers[n].value

  goto* handlers[static_cast<int>(record->kind)];

finished:
  reason = RUN_END::finished;
  goto out;

empty:
  ++pc;
  NEXT(0);

generic:
  machine.program_counter.value = pc;
  machine.clock.advance(periods);
  periods = 0;
  flags.settle(status);
  machine.rom.execute_at(pc, machine);
  pc = machine.program_counter.value;
  --remaining;
  if (!execution.running()) {
    reason = RUN_END::breakpoint;
    goto out;
  }
  if (stops_on_diagnostic && has_diagnostics(errors)) {
    reason = RUN_END::diagnostic;
    goto out;
  }
  if (remaining == 0) goto out;
  if (pc < 0 || pc >= size) {
    reason = RUN_END::finished;
    goto out;
  }
  record = &code[pc];
  goto* handlers[static_cast<int>(record->kind)];

nop:
  ++pc;
  NEXT(periods_of(OPCODE::NOP));

add: {
  int32_t& d = REG(record->a);
  const int32_t a = d, b = REG(record->b);
  d = kernel<OPCODE::ADD>(a, b, width).value;
  flags.note(PENDING_FLAGS::add, a, b, d);
  ++pc;
  NEXT(periods_of(OPCODE::ADD));
}

adc: {
  int32_t& d = REG(record->a);
  const int32_t a = d, b = REG(record->b);
  d = kernel<OPCODE::ADC>(a, b, flags.bit(S_R::C, status), width).value;
  flags.note(PENDING_FLAGS::add, a, b, d);
  ++pc;
  NEXT(periods_of(OPCODE::ADC));
}

adi: {
  int32_t& d = REG(record->a);
  const int32_t a = d, b = record->value;
  d = kernel<OPCODE::ADI>(a, b, width).value;
  flags.note(PENDING_FLAGS::add, a, b, d);
  ++pc;
  NEXT(periods_of(OPCODE::ADI));
}

sub: {
  int32_t& d = REG(record->a);
  const int32_t a = d, b = REG(record->b);
  d = kernel<OPCODE::SUB>(a, b, width).value;
  flags.note(PENDING_FLAGS::subtract, a, b, d);
  ++pc;
  NEXT(periods_of(OPCODE::SUB));
}

// Z accumulates over a chain of SUBC, which the pending flags cannot note: set them all here.
subc: {
  flags.settle(status);
  int32_t& d = REG(record->a);
  const bool carry = status.bit(S_R::C), zero = status.bit(S_R::Z);
  d = value_setting_flags(status, kernel<OPCODE::SUBC>(d, REG(record->b), carry, zero, width));
  ++pc;
  NEXT(periods_of(OPCODE::SUBC));
}

cmp: {
  const int32_t a = REG(record->a), b = REG(record->b);
  flags.note(PENDING_FLAGS::subtract, a, b, kernel<OPCODE::CMP>(a, b, width).value);
  ++pc;
  NEXT(periods_of(OPCODE::CMP));
}

cmpi: {
  const int32_t a = REG(record->a), b = record->value;
  flags.note(PENDING_FLAGS::subtract, a, b, kernel<OPCODE::CMPI>(a, b, width).value);
  ++pc;
  NEXT(periods_of(OPCODE::CMPI));
}

logic_and: {
  int32_t& d = REG(record->a);
  flags.note_logic(d = kernel<OPCODE::AND>(d, REG(record->b)).value);
  ++pc;
  NEXT(periods_of(OPCODE::AND));
}

logic_or: {
  int32_t& d = REG(record->a);
  flags.note_logic(d = kernel<OPCODE::OR>(d, REG(record->b)).value);
  ++pc;
  NEXT(periods_of(OPCODE::OR));
}

eor: {
  int32_t& d = REG(record->a);
  flags.note_logic(d = kernel<OPCODE::EOR>(d, REG(record->b)).value);
  ++pc;
  NEXT(periods_of(OPCODE::EOR));
}

// The shifts set C, Z, N, V and S themselves, replacing whatever was pending.
asr: {
  int32_t& d = REG(record->a);
  flags.drop();
  d = value_setting_flags(status, kernel<OPCODE::ASR>(d));
  ++pc;
  NEXT(periods_of(OPCODE::ASR));
}

lsr: {
  int32_t& d = REG(record->a);
  flags.drop();
  d = value_setting_flags(status, kernel<OPCODE::LSR>(d, width));
  ++pc;
  NEXT(periods_of(OPCODE::LSR));
}

lsl: {
  int32_t& d = REG(record->a);
  flags.drop();
  d = value_setting_flags(status, kernel<OPCODE::LSL>(d, width));
  ++pc;
  NEXT(periods_of(OPCODE::LSL));
}

tfr:
  REG(record->a) = kernel<OPCODE::TFR>(REG(record->b));
  ++pc;
  NEXT(periods_of(OPCODE::TFR));

ldil: {
  int32_t& d = REG(record->a);
  d = kernel<OPCODE::LDIL>(d, record->value, width);
  ++pc;
  NEXT(periods_of(OPCODE::LDIL));
}

ldih: {
  int32_t& d = REG(record->a);
  d = kernel<OPCODE::LDIH>(d, record->value, width);
  ++pc;
  NEXT(periods_of(OPCODE::LDIH));
}

ld: {
  const int64_t address = ram_address(record->b);
  if (!ram.is_written(address)) goto generic;
  REG(record->a) = ram.word(address);
  ++pc;
  NEXT(periods_of(OPCODE::LD));
}

st: {
  const int64_t address = ram_address(record->b);
  if (!ram.is_written(address)) goto generic;
  ram.overwrite(address, REG(record->a));
  ++pc;
  NEXT(periods_of(OPCODE::ST));
}

// A full stack is left to the object, which reports the overflow.
rcall:
  if (stack.pointer + 1 >= stack.depth() || stack.pointer + 1 >= MACHINE_STACK::capacity)
    goto generic;
  stack.entries[++stack.pointer] = static_cast<int32_t>(pc + 1);
  pc = record->value;
  NEXT(periods_of(OPCODE::RCALL));

// So is an empty stack, or a return address outside the ROM.
ret: {
  const int p = stack.pointer;
  if (p < 0 || p >= stack.depth() || p >= MACHINE_STACK::capacity) goto generic;
  const int32_t back = stack.entries[p];
  if (back < 0 || back >= size) goto generic;
  stack.pointer = p - 1;
  pc = back;
  NEXT(periods_of(OPCODE::RET));
}

ijmp: {
  const int64_t target = rom_address(record->a);
  if (target >= size) goto generic;
  pc = target;
  NEXT(periods_of(OPCODE::IJMP));
}

ib0:
  if (!flags.bit(record->value, status)) {
    const int64_t target = rom_address(record->a);
    if (target >= size) goto generic;
    pc = target;
    NEXT(periods_of(OPCODE::IB0));
  }
  ++pc;
  NEXT(untaken_branch_periods);

ib1:
  if (flags.bit(record->value, status)) {
    const int64_t target = rom_address(record->a);
    if (target >= size) goto generic;
    pc = target;
    NEXT(periods_of(OPCODE::IB1));
  }
  ++pc;
  NEXT(untaken_branch_periods);

rjmp:
  pc = record->value;
  NEXT(periods_of(OPCODE::RJMP));

rb0:
  if (!flags.bit(record->b, status)) {
    pc = record->value;
    NEXT(taken_branch_periods);
  }
  ++pc;
  NEXT(untaken_branch_periods);

rb1:
  if (flags.bit(record->b, status)) {
    pc = record->value;
    NEXT(taken_branch_periods);
  }
  ++pc;
  NEXT(untaken_branch_periods);

// A chain runs whole only when the budget holds all of it; otherwise its head runs alone.
#define CHAIN_OR(head)                                \
  if (remaining < record->span) goto head

// The head has set the flags (and r is its result); the NOPs and the branch follow. The branch
// is taken when its flag is 1 for RB1, 0 for RB0.
#define FINISH_CHAIN(head_opcode, flag_is_set)                                         \
  do {                                                                                 \
    const PREDECODED& branch = record[record->span - 1];                               \
    const int nops = record->span - 2;                                                 \
    remaining -= nops + 1;                                                             \
    periods += periods_of(head_opcode) + nops * periods_of(OPCODE::NOP);               \
    if ((flag_is_set) == (branch.kind == FAST_KIND::rb1)) {                            \
      pc = branch.value;                                                               \
      NEXT(taken_branch_periods);                                                      \
    }                                                                                  \
    pc += record->span;                                                                \
    NEXT(untaken_branch_periods);                                                      \
  } while (false)
#define ON_FLAG flags.bit(branch.b, status)
#define ON_Z (r == 0)

// One chain handler per head and per test: the head's own code, then FINISH_CHAIN.
#define ADD_CHAIN(head, opcode, second, test)                           \
  {                                                                     \
    CHAIN_OR(head);                                                     \
    int32_t& d = REG(record->a);                                        \
    const int32_t a = d, b = (second);                                  \
    const int32_t r = d = kernel<opcode>(a, b, width).value;            \
    flags.note(PENDING_FLAGS::add, a, b, r);                            \
    FINISH_CHAIN(opcode, test);                                         \
  }
#define SUB_CHAIN(test)                                                 \
  {                                                                     \
    CHAIN_OR(sub);                                                      \
    int32_t& d = REG(record->a);                                        \
    const int32_t a = d, b = REG(record->b);                            \
    const int32_t r = d = kernel<OPCODE::SUB>(a, b, width).value;       \
    flags.note(PENDING_FLAGS::subtract, a, b, r);                       \
    FINISH_CHAIN(OPCODE::SUB, test);                                    \
  }
#define CMP_CHAIN(head, opcode, second, test)                           \
  {                                                                     \
    CHAIN_OR(head);                                                     \
    const int32_t a = REG(record->a), b = (second);                     \
    const int32_t r = kernel<opcode>(a, b, width).value;                \
    flags.note(PENDING_FLAGS::subtract, a, b, r);                       \
    FINISH_CHAIN(opcode, test);                                         \
  }
#define AND_CHAIN(test)                                                 \
  {                                                                     \
    CHAIN_OR(logic_and);                                                \
    int32_t& d = REG(record->a);                                        \
    const int32_t r = d = kernel<OPCODE::AND>(d, REG(record->b)).value; \
    flags.note_logic(r);                                                \
    FINISH_CHAIN(OPCODE::AND, test);                                    \
  }

nops:
  CHAIN_OR(nop);
  pc += record->span;
  remaining -= record->span - 1;
  NEXT(record->span * periods_of(OPCODE::NOP));

add_branch:
  ADD_CHAIN(add, OPCODE::ADD, REG(record->b), ON_FLAG)
add_branch_z:
  ADD_CHAIN(add, OPCODE::ADD, REG(record->b), ON_Z)
adi_branch:
  ADD_CHAIN(adi, OPCODE::ADI, record->value, ON_FLAG)
adi_branch_z:
  ADD_CHAIN(adi, OPCODE::ADI, record->value, ON_Z)
sub_branch:
  SUB_CHAIN(ON_FLAG)
sub_branch_z:
  SUB_CHAIN(ON_Z)
cmp_branch:
  CMP_CHAIN(cmp, OPCODE::CMP, REG(record->b), ON_FLAG)
cmp_branch_z:
  CMP_CHAIN(cmp, OPCODE::CMP, REG(record->b), ON_Z)
cmpi_branch:
  CMP_CHAIN(cmpi, OPCODE::CMPI, record->value, ON_FLAG)
cmpi_branch_z:
  CMP_CHAIN(cmpi, OPCODE::CMPI, record->value, ON_Z)
and_branch:
  AND_CHAIN(ON_FLAG)
and_branch_z:
  AND_CHAIN(ON_Z)

#undef AND_CHAIN
#undef CMP_CHAIN
#undef SUB_CHAIN
#undef ADD_CHAIN
#undef ON_Z
#undef ON_FLAG
#undef FINISH_CHAIN
#undef CHAIN_OR
#undef NEXT
#undef HANDLER_OF
#undef REG

out_of_budget:
  reason = RUN_END::limit;
out:
  machine.program_counter.value = pc;
  machine.clock.advance(periods);
  flags.settle(status);
  // clang-format on
  const int64_t last_address = record - code;
  return {reason, limit - remaining, last_address < size ? last_address : -1};
}
