// Forwarding in one pass: walking the ROM as it stands, the NOPs of each target and of each
// hazard are decided against the last two words of the code as it will be (NOPs included), and
// collected with the original index they go before. A running count of the insertions gives
// every target's new index; the ROM is then rebuilt once and the branches re-aimed. Compiled
// code is first lengthened where a branch would not reach once padded, and planned again, until
// every branch reaches.
#include "forwarding/forwarder.h"

#include <algorithm>
#include <array>
#include <memory>
#include <type_traits>
#include <utility>

#include "base/error_handler.h"
#include "forwarding/hazards.h"
#include "forwarding/long_forms.h"
#include "isa/immediate_range.h"
#include "isa/jumps.h"
#include "isa/special.h"
#include "machine/machine.h"

namespace {

constexpr std::size_t initial_room = 4096;

bool is_absolute_indirect_branch(const ASM& object) {
  const int number = unwrapped(object).instruction_number();
  return number == row_of(OPCODE::IB0).number || number == row_of(OPCODE::IB1).number ||
         number == row_of(OPCODE::ICALL).number || number == row_of(OPCODE::IJMP).number;
}

bool is_call(const ASM& object) {
  const int number = unwrapped(object).instruction_number();
  return number == row_of(OPCODE::RCALL).number || number == row_of(OPCODE::ICALL).number;
}

bool reads_anything(const PIPELINE_FACTS& facts) {
  return facts.reads != PIPELINE_READS::NOTHING || facts.reads_status;
}

// The relative branches and calls, told by their instruction numbers rather than by a
// dynamic_cast on every word. Only these four classes carry these numbers, and they are branches.
constexpr std::array relative_branch_opcodes{OPCODE::RJMP, OPCODE::RCALL, OPCODE::RB0, OPCODE::RB1};
static_assert(std::is_base_of_v<ASM_BR, RJMP> && std::is_base_of_v<ASM_BR, RCALL> &&
              std::is_base_of_v<ASM_BR, RB0> && std::is_base_of_v<ASM_BR, RB1>);

constexpr bool is_relative_branch_number(int number) {
  for (OPCODE opcode : relative_branch_opcodes)
    if (row_of(opcode).number == number) return true;
  return false;
}

constexpr bool relative_branch_numbers_are_their_own() {
  int found = 0;
  for (const OPCODE_ROW& row : opcode_table) found += is_relative_branch_number(row.number);
  return found == static_cast<int>(relative_branch_opcodes.size());
}
static_assert(relative_branch_numbers_are_their_own());

bool reaches(const ASM_BR& branch, int64_t offset) {
  for (OPCODE opcode : relative_branch_opcodes)
    if (row_of(opcode).number == branch.instruction_number())
      return immediate_range(opcode).holds(offset);
  return true;
}

ASM_BR* as_relative_branch(ASM& object) {
  return is_relative_branch_number(object.instruction_number()) ? static_cast<ASM_BR*>(&object)
                                                                : nullptr;
}

}  // namespace

// The padded code being laid out: the NOPs to insert, each with the original index it goes
// before, and the facts of the last two words placed, against which the next one is checked.
class PADDED_LAYOUT {
 public:
  explicit PADDED_LAYOUT(const PROCESSOR_PARAMETERS& parameters) : parameters_(parameters) {
    insertions_.reserve(initial_room);
  }

  // Back to no insertion, for a new plan of a changed ROM.
  void reset() {
    insertions_.clear();
    last_ = PIPELINE_FACTS{};
    before_last_ = PIPELINE_FACTS{};
  }

  // Puts NOPs before the original word at index and answers the new index of the first one.
  int32_t add_nops(int32_t index, int count, const POSITION& position) {
    const int32_t first = index + static_cast<int32_t>(insertions_.size());
    for (int n = 0; n < count; ++n) {
      auto nop = std::make_unique<NOP>(position);
      place(pipeline_facts(*nop));
      insertions_.emplace_back(index, std::move(nop));
    }
    return first;
  }

  // How many NOPs the instruction needs after the words placed so far: two when it depends on
  // the last one, one when it depends on the one before.
  int hazard_nops(const PIPELINE_FACTS& instruction) const {
    if (depends_on(instruction, last_, parameters_)) return 2;
    if (depends_on(instruction, before_last_, parameters_)) return 1;
    return 0;
  }

  // Places an original word after its NOPs (an empty slot: the default facts).
  void place_original(const PIPELINE_FACTS& facts) { place(facts); }

  // The new index of what stood at original index (for a target: of its first NOP, if any):
  // moved by the NOPs going before the words ahead of it.
  int32_t new_index(int64_t index) const {
    const auto first_not_ahead =
        std::lower_bound(insertions_.begin(), insertions_.end(), index,
                         [](const auto& insertion, int64_t i) { return insertion.first < i; });
    return static_cast<int32_t>(index + (first_not_ahead - insertions_.begin()));
  }
  // The new index of the word itself, after its own NOPs.
  int32_t placed_index(int64_t index) const {
    const auto first_after =
        std::upper_bound(insertions_.begin(), insertions_.end(), index,
                         [](int64_t i, const auto& insertion) { return i < insertion.first; });
    return static_cast<int32_t>(index + (first_after - insertions_.begin()));
  }

  std::vector<std::pair<int32_t, std::unique_ptr<ASM>>> take_insertions() {
    return std::move(insertions_);
  }

 private:
  void place(const PIPELINE_FACTS& facts) {
    before_last_ = last_;
    last_ = facts;
  }

  const PROCESSOR_PARAMETERS& parameters_;
  std::vector<std::pair<int32_t, std::unique_ptr<ASM>>> insertions_;  // by ascending index
  PIPELINE_FACTS last_;
  PIPELINE_FACTS before_last_;
};

namespace {

// Marks the targets inside the ROM that get two NOPs: not negative and below its last index.
void mark_target(std::vector<bool>& to_pad, int32_t target) {
  if (target >= 0 && target < static_cast<int32_t>(to_pad.size()) - 1) to_pad[target] = true;
}

// The words a return comes back to: the word after each call. The words before the callee's
// return are the two the resumed word follows, so one NOP there stands between them.
std::vector<bool> resumed_words(const ROM& rom) {
  std::vector<bool> resumed(rom.size(), false);
  for (int32_t i = 1; i < rom.size(); ++i)
    if (const ASM* previous = rom.fetch(i - 1); previous != nullptr && is_call(*previous))
      resumed[i] = true;
  return resumed;
}

}  // namespace

FORWARDER::FORWARDER() {
  targets_.reserve(initial_room);
  offsets_.reserve(initial_room);
  inserted_.reserve(initial_room);
  padded_.reserve(initial_room);
  branches_.reserve(initial_room);
  indices_.reserve(initial_room);
}

bool FORWARDER::can_forward(const ROM& rom) const {
  for (int32_t i = 0; i < rom.size(); ++i)
    if (const ASM* object = rom.fetch(i); object != nullptr && is_absolute_indirect_branch(*object) &&
                                           !unwrapped(*object).generated())
      return false;
  return true;
}

void FORWARDER::forward(MACHINE& machine) {
  forward(machine.rom, machine.parameters);
}

void FORWARDER::forward(ROM& rom, const PROCESSOR_PARAMETERS& parameters) {
  run(rom, parameters, nullptr, nullptr);
}

void FORWARDER::forward(MACHINE& machine, COMPILED_CODE code) {
  run(machine.rom, machine.parameters, &code, &machine.error_handler);
}

// The targets of the branches collected, but for those whose landing was scheduled.
void FORWARDER::mark_branch_targets(std::vector<bool>& to_pad) const {
  for (std::size_t k = 0; k < targets_.size(); ++k)
    if (!branches_[k]->scheduled_target()) mark_target(to_pad, targets_[k]);
}

// The padding of the words before `end`, with the marks of the words to pad and of the words a
// return resumes.
void FORWARDER::plan_padding(const ROM& rom, PADDED_LAYOUT& layout, const std::vector<bool>& to_pad,
                             const std::vector<bool>& resumed, int32_t end) {
  padded_.clear();
  inserted_.clear();
  for (int32_t i = 0; i < end; ++i) {
    const ASM* object = rom.fetch(i);
    const POSITION position = object != nullptr ? unwrapped(*object).position() : POSITION{};
    const PIPELINE_FACTS facts = object != nullptr ? pipeline_facts(*object) : PIPELINE_FACTS{};
    if (to_pad[i]) {
      padded_.push_back(layout.add_nops(i, 2, position));
    } else if (resumed[i] && reads_anything(facts)) {
      inserted_.push_back(layout.add_nops(i, 1, position));
    }
    if (object != nullptr) {
      const int nops = layout.hazard_nops(facts);
      const int32_t at = layout.add_nops(i, nops, position);
      inserted_.insert(inserted_.end(), nops, at);
    }
    layout.place_original(facts);
  }
}

int32_t FORWARDER::padding_before(ROM& rom, const PROCESSOR_PARAMETERS& parameters,
                                  int32_t index) {
  clear();
  collect_branches(rom);
  // Room past the index, so that a branch to it counts as a target inside the code.
  std::vector<bool> to_pad(std::max(rom.size(), index) + 2, false);
  mark_branch_targets(to_pad);
  std::vector<bool> resumed = resumed_words(rom);
  resumed.resize(to_pad.size(), false);
  PADDED_LAYOUT layout(parameters);
  plan_padding(rom, layout, to_pad, resumed, std::min(index, rom.size()));
  const int32_t before_index = layout.new_index(index) - index;
  clear();
  return before_index + (to_pad[index] ? 2 : 0);
}

// The layout of the ROM as it stands: padded, or (unpadded compiled code) only the room the
// constant pool's addresses were given.
void FORWARDER::plan(const ROM& rom, PADDED_LAYOUT& layout, const COMPILED_CODE* compiled,
                     bool pad) {
  const int32_t size = rom.size();
  std::vector<bool> to_pad(size, false);
  mark_branch_targets(to_pad);
  if (compiled != nullptr)
    for (const JUMP_SLOTS& group : compiled->slots) mark_target(to_pad, group.target);
  if (pad) {
    const std::vector<bool> resumed =
        compiled != nullptr ? resumed_words(rom) : std::vector<bool>(size, false);
    plan_padding(rom, layout, to_pad, resumed, size);
  } else if (compiled != nullptr && compiled->pool_shift > 0) {
    layout.add_nops(compiled->pool, compiled->pool_shift, POSITION{});
  }
}

// Lengthens the generated branches that the layout leaves out of reach; false when none is.
bool FORWARDER::lengthen_far_branches(ROM& rom, const PADDED_LAYOUT& layout,
                                      COMPILED_CODE& compiled) {
  std::vector<AIMED_BRANCH> aimed, far;
  for (std::size_t k = 0; k < branches_.size(); ++k) {
    aimed.push_back({branches_[k], indices_[k], targets_[k]});
    const int64_t offset =
        int64_t{layout.new_index(targets_[k])} - layout.placed_index(indices_[k]);
    if (branches_[k]->generated() && !reaches(*branches_[k], offset)) far.push_back(aimed.back());
  }
  if (far.empty()) return false;
  lengthened_ += static_cast<int>(far.size());
  lengthen(rom, far, aimed, compiled.long_jump, compiled.slots);
  return true;
}

void FORWARDER::run(ROM& rom, const PROCESSOR_PARAMETERS& parameters, COMPILED_CODE* compiled,
                    ERROR_HANDLER* errors) {
  clear();
  const bool pad = compiled == nullptr || compiled->pad;
  PADDED_LAYOUT layout(parameters);
  for (;;) {
    collect_branches(rom);
    layout.reset();
    plan(rom, layout, compiled, pad);
    if (compiled == nullptr || !lengthen_far_branches(rom, layout, *compiled)) break;
  }
  if (compiled != nullptr && compiled->pool >= 0 &&
      layout.placed_index(compiled->pool) - compiled->pool != compiled->pool_shift)
    errors->error_without_position(
        "Internal Error Message : the constant pool moved away from its addresses.");
  for (int32_t& target : targets_) target = layout.new_index(target);
  if (compiled != nullptr)
    for (JUMP_SLOTS& group : compiled->slots)
      group = {layout.placed_index(group.first), layout.new_index(group.target)};
  rom.insert_all(layout.take_insertions());
  for (std::size_t k = 0; k < branches_.size(); ++k) branches_[k]->set_target(targets_[k], rom);
  branches_.clear();  // the ROM may change before the next run
  if (compiled != nullptr) refill_slots(rom, *compiled, *errors);
}

// The loads of a group are consecutive in the code the compiler laid out, and no NOP comes
// between them: a load reads nothing a NOP would wait for.
void FORWARDER::refill_slots(ROM& rom, COMPILED_CODE& compiled, ERROR_HANDLER& errors) const {
  const LONG_JUMP& long_jump = compiled.long_jump;
  for (const JUMP_SLOTS& group : compiled.slots) {
    const ASM* first = rom.fetch(group.first);
    const POSITION position = first != nullptr ? first->position() : POSITION{};
    if (!long_jump.reaches(group.target))
      errors.error_at(position, "Branch target beyond 65535: out of reach of 8-bit registers.");
    std::vector<std::unique_ptr<ASM>> loads = long_jump.loads(group.target, position);
    for (std::size_t k = 0; k < loads.size(); ++k) {
      loads[k]->mark_generated();
      rom.fill(group.first + static_cast<int32_t>(k), std::move(loads[k]));
    }
  }
}

void FORWARDER::clear() {
  targets_.clear();
  offsets_.clear();
  inserted_.clear();
  padded_.clear();
  branches_.clear();
  indices_.clear();
  lengthened_ = 0;
}

void FORWARDER::collect_branches(ROM& rom) {
  targets_.clear();
  offsets_.clear();
  branches_.clear();
  indices_.clear();
  for (int32_t i = 0; i < rom.size(); ++i) {
    ASM* object = rom.fetch(i);
    if (object == nullptr) continue;
    if (ASM_BR* branch = as_relative_branch(unwrapped(*object))) {
      branches_.push_back(branch);
      indices_.push_back(i);
      offsets_.push_back(branch->offset());
      targets_.push_back(i + branch->offset());
    }
  }
}
