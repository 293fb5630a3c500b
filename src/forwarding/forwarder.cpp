// Forwarding in one pass: walking the ROM as it stands, the NOPs of each target and of each
// hazard are decided against the last two words of the code as it will be (NOPs included), and
// collected with the original index they go before. A running count of the insertions gives
// every target's new index; the ROM is then rebuilt once and the branches re-aimed.
#include "forwarding/forwarder.h"

#include <algorithm>
#include <array>
#include <memory>
#include <type_traits>
#include <utility>

#include "forwarding/hazards.h"
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

ASM_BR* as_relative_branch(ASM& object) {
  return is_relative_branch_number(object.instruction_number()) ? static_cast<ASM_BR*>(&object)
                                                                : nullptr;
}

// The padded code being laid out: the NOPs to insert, each with the original index it goes
// before, and the facts of the last two words placed, against which the next one is checked.
class PADDED_LAYOUT {
 public:
  explicit PADDED_LAYOUT(const PROCESSOR_PARAMETERS& parameters) : parameters_(parameters) {
    insertions_.reserve(initial_room);
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

}  // namespace

FORWARDER::FORWARDER() {
  targets_.reserve(initial_room);
  offsets_.reserve(initial_room);
  inserted_.reserve(initial_room);
  padded_.reserve(initial_room);
  branches_.reserve(initial_room);
}

bool FORWARDER::can_forward(const ROM& rom) const {
  for (int32_t i = 0; i < rom.size(); ++i)
    if (const ASM* object = rom.fetch(i); object != nullptr && is_absolute_indirect_branch(*object))
      return false;
  return true;
}

void FORWARDER::forward(MACHINE& machine) {
  forward(machine.rom, machine.parameters);
}

void FORWARDER::forward(ROM& rom, const PROCESSOR_PARAMETERS& parameters) {
  clear();
  collect_branches(rom);
  const int32_t size = rom.size();
  const std::vector<bool> to_pad = targets_to_pad(size);
  PADDED_LAYOUT layout(parameters);
  for (int32_t i = 0; i < size; ++i) {
    const ASM* object = rom.fetch(i);
    const POSITION position = object != nullptr ? unwrapped(*object).position() : POSITION{};
    if (to_pad[i]) padded_.push_back(layout.add_nops(i, 2, position));
    const PIPELINE_FACTS facts = object != nullptr ? pipeline_facts(*object) : PIPELINE_FACTS{};
    if (object != nullptr) {
      const int nops = layout.hazard_nops(facts);
      const int32_t at = layout.add_nops(i, nops, position);
      inserted_.insert(inserted_.end(), nops, at);
    }
    layout.place_original(facts);
  }
  for (int32_t& target : targets_) target = layout.new_index(target);
  rom.insert_all(layout.take_insertions());
  for (std::size_t k = 0; k < branches_.size(); ++k) branches_[k]->set_target(targets_[k], rom);
  branches_.clear();  // the ROM may change before the next run
}

void FORWARDER::clear() {
  targets_.clear();
  offsets_.clear();
  inserted_.clear();
  padded_.clear();
  branches_.clear();
}

void FORWARDER::collect_branches(ROM& rom) {
  for (int32_t i = 0; i < rom.size(); ++i) {
    ASM* object = rom.fetch(i);
    if (object == nullptr) continue;
    if (ASM_BR* branch = as_relative_branch(unwrapped(*object))) {
      branches_.push_back(branch);
      offsets_.push_back(branch->offset());
      targets_.push_back(i + branch->offset());
    }
  }
}

std::vector<bool> FORWARDER::targets_to_pad(int32_t rom_size) const {
  std::vector<bool> to_pad(rom_size, false);
  for (int32_t target : targets_)
    if (target >= 0 && target < rom_size - 1) to_pad[target] = true;
  return to_pad;
}
