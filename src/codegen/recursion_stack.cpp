#include "codegen/recursion_stack.h"

#include "base/kind_cast.h"
#include "cfront/c_function.h"
#include "cfront/c_name.h"
#include "cfront/c_program.h"
#include "cfront/calls.h"
#include "codegen/codegen.h"
#include "codegen/media/machine_sequences.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/register_sm.h"
#include "codegen/media/scratch.h"
#include "isa/instructions.h"
#include "machine/machine.h"

namespace {

// The longest start sequence on this configuration: for each pointer word, a constant load
// (LDIL, or EOR and LDIL, or LDIL and LDIH, then NEG for a value read as negative) and a store
// (the RAM address, then ST).
int start_slot_count(const CODEGEN& g) {
  const int w = g.width();
  const bool complete_low = w > 8 && g.machine.parameters.ram_address_width > 8;
  const int load = w > 8 ? 3 : 2;
  const int store = (g.wide_ram() ? 1 : 0) + (complete_low ? 2 : 1) + 1;
  return (g.wide_ram() ? 2 : 1) * (load + store);
}

// The RAM words of a frame entry, or none for a register.
std::vector<int32_t> words_of(STORAGE_MEDIUM& medium) {
  std::vector<int32_t> words;
  if (auto* ram = kind_cast<RAM_SM>(&medium))
    for (int k = 0; k < ram->words; ++k) words.push_back(ram->address + k);
  return words;
}

int frame_size(const std::vector<STORAGE_MEDIUM*>& frame) {
  int size = 0;
  for (STORAGE_MEDIUM* medium : frame) {
    auto* ram = kind_cast<RAM_SM>(medium);
    size += ram != nullptr ? ram->words : 1;
  }
  return size;
}

}  // namespace

void RECURSION_STACK::reset() {
  reachable_.clear();
  any_ = false;
  pointer_ = nullptr;
  start_slots_ = -1;
  largest_frame_ = 0;
}

void RECURSION_STACK::find_recursion(const C_PROGRAM& program) {
  std::unordered_map<const C_FUNCTION*, std::vector<const C_FUNCTION*>> callees;
  for (const C_FUNCTION* function : program.live)
    for (const FUNCTION_CALL* call : function->calls)
      if (call->callee->function != nullptr) callees[call->callee->function].push_back(function);
  for (const C_FUNCTION* start : program.live) {
    std::unordered_set<const C_FUNCTION*>& seen = reachable_[start];
    std::vector<const C_FUNCTION*> work{start};
    while (!work.empty()) {
      const C_FUNCTION* f = work.back();
      work.pop_back();
      for (const C_FUNCTION* next : callees[f])
        if (seen.insert(next).second) work.push_back(next);
    }
    if (seen.count(start) != 0) any_ = true;
  }
}

bool RECURSION_STACK::is_recursive_call(const C_FUNCTION* caller, const C_FUNCTION* callee) const {
  auto found = reachable_.find(callee);
  return found != reachable_.end() && found->second.count(caller) != 0;
}

void RECURSION_STACK::reserve_start(CODEGEN& g) {
  if (!any_) return;
  pointer_ = &g.new_ram_medium(g.wide_ram() ? 2 : 1);
  start_slots_ = g.code.rom().reserve_empty();
  for (int k = 1; k < start_slot_count(g); ++k) g.code.rom().reserve_empty();
}

// The stack pointer in R4 (R5:R4 with wide RAM), loaded from its RAM words for one push or
// pop and written back after it; the extra temporary carries RAM words to and from the stack.
class STACK_ACCESS {
 public:
  STACK_ACCESS(CODEGEN& g, const RAM_SM& pointer)
      : g_(g),
        pointer_(pointer),
        use_(g),
        sp(use_.take_exactly(g.roles.couple_low())),
        sp_high(g.wide_ram() ? &use_.take_exactly(g.roles.couple_high()) : nullptr),
        x(use_.take_exactly(g.roles.extra_temporary())) {
    load_from_ram(g, pointer.address, sp);
    if (sp_high != nullptr) load_from_ram(g, pointer.address + 1, *sp_high);
  }
  ~STACK_ACCESS() {
    store_to_ram(g_, sp, pointer_.address);
    if (sp_high != nullptr) store_to_ram(g_, *sp_high, pointer_.address + 1);
  }
  STACK_ACCESS(const STACK_ACCESS&) = delete;
  STACK_ACCESS& operator=(const STACK_ACCESS&) = delete;

 private:
  CODEGEN& g_;
  const RAM_SM& pointer_;
  SCRATCH use_;

 public:
  REGISTER& sp;
  REGISTER* sp_high;
  REGISTER& x;
};

void RECURSION_STACK::push_frame(CODEGEN& g, const std::vector<STORAGE_MEDIUM*>& frame) {
  {
    STACK_ACCESS stack(g, *pointer_);
    for (STORAGE_MEDIUM* medium : frame) {
      if (auto* r = kind_cast<REGISTER_SM>(medium)) g.code.emit<STX_INCREMENT>(&r->r, &stack.sp);
      for (int32_t word : words_of(*medium)) {
        load_from_ram(g, word, stack.x);
        g.code.emit<STX_INCREMENT>(&stack.x, &stack.sp);
      }
    }
  }
  largest_frame_ = std::max(largest_frame_, frame_size(frame));
}

void RECURSION_STACK::pop_frame(CODEGEN& g, const std::vector<STORAGE_MEDIUM*>& frame) {
  STACK_ACCESS stack(g, *pointer_);
  for (auto medium = frame.rbegin(); medium != frame.rend(); ++medium) {
    if (auto* r = kind_cast<REGISTER_SM>(*medium)) g.code.emit<LDX_DECREMENT>(&r->r, &stack.sp);
    std::vector<int32_t> words = words_of(**medium);
    for (auto word = words.rbegin(); word != words.rend(); ++word) {
      g.code.emit<LDX_DECREMENT>(&stack.x, &stack.sp);
      store_to_ram(g, stack.x, *word);
    }
  }
}

// One word past the stack stays unused, so that the last push never steps the pointer
// around the end of RAM.
void RECURSION_STACK::finish(CODEGEN& g) {
  if (!any_) return;
  const int depth = g.machine.parameters.stack_size;
  RAM_SM& stack = g.new_ram_medium(depth * largest_frame_ + 1);
  const int w = g.width();
  REGISTER& x = g.roles.extra_temporary();
  g.code.start_capture();
  constant_load(g, x, stack.address & ((int32_t{1} << w) - 1));
  store_to_ram(g, x, pointer_->address);
  if (g.wide_ram()) {
    constant_load(g, x, stack.address >> w);
    store_to_ram(g, x, pointer_->address + 1);
  }
  std::vector<std::unique_ptr<ASM>> start = g.code.end_capture();
  const int slots = start_slot_count(g);
  if (static_cast<int>(start.size()) > slots)
    g.internal_error("the recursion stack's start does not fit its slots");
  while (static_cast<int>(start.size()) < slots)
    start.push_back(std::make_unique<NOP>(g.code.position));
  for (int k = 0; k < slots; ++k) g.code.rom().fill(start_slots_ + k, std::move(start[k]));
}
