// Forwarding in one pass: walking the ROM as it stands, the NOPs of each target and of each
// hazard are decided against the last two words of the code as it will be (NOPs included), and
// collected with the original index they go before. A running count of the insertions gives
// every target's new index; the ROM is then rebuilt once and the branches re-aimed.
#include "codegen/forwarder.h"

#include <memory>
#include <utility>

#include "codegen/hazards.h"
#include "isa/asm_branch.h"
#include "isa/special.h"
#include "machine/machine.h"

namespace {

constexpr std::size_t initial_room = 4096;

bool is_absolute_indirect_branch(const ASM& object) {
  const int number = unwrapped(object).instruction_number();
  return number == row_of(OPCODE::IB0).number || number == row_of(OPCODE::IB1).number ||
         number == row_of(OPCODE::ICALL).number || number == row_of(OPCODE::IJMP).number;
}

// The padded code being laid out: the NOPs to insert, each with the original index it goes
// before, and the last two words placed, against which the next instruction is checked.
class PADDED_LAYOUT {
 public:
  PADDED_LAYOUT(int32_t rom_size, const PROCESSOR_PARAMETERS& parameters)
      : parameters_(parameters), insertions_before_(rom_size + 1, 0) {
    insertions_.reserve(initial_room);
  }

  // Puts NOPs before the original word at index and answers the new index of the first one.
  int32_t add_nops(int32_t index, int count, const POSITION& position) {
    const int32_t first = index + static_cast<int32_t>(insertions_.size());
    for (int n = 0; n < count; ++n) {
      auto nop = std::make_unique<NOP>(position);
      place(nop.get());
      insertions_.emplace_back(index, std::move(nop));
    }
    return first;
  }

  // How many NOPs the instruction needs after the words placed so far: two when it depends on
  // the last one, one when it depends on the one before.
  int hazard_nops(const ASM& instruction) const {
    if (last_ != nullptr && depends_on(instruction, *last_, parameters_)) return 2;
    if (before_last_ != nullptr && depends_on(instruction, *before_last_, parameters_)) return 1;
    return 0;
  }

  // Places the original word at index (nullptr for an empty slot) after its NOPs.
  void place_original(int32_t index, const ASM* object) {
    place(object);
    insertions_before_[index + 1] = static_cast<int32_t>(insertions_.size());
  }

  // The new index of what stood at original index (for a target: of its first NOP, if any).
  int32_t new_index(int64_t index) const {
    const int64_t last = static_cast<int64_t>(insertions_before_.size()) - 1;
    if (index <= 0) return static_cast<int32_t>(index);
    return static_cast<int32_t>(index + insertions_before_[index < last ? index : last]);
  }

  std::vector<std::pair<int32_t, std::unique_ptr<ASM>>> take_insertions() {
    return std::move(insertions_);
  }

 private:
  void place(const ASM* object) {
    before_last_ = last_;
    last_ = object;
  }

  const PROCESSOR_PARAMETERS& parameters_;
  std::vector<std::pair<int32_t, std::unique_ptr<ASM>>> insertions_;
  std::vector<int32_t> insertions_before_;  // [i]: NOPs going before original index i
  const ASM* last_ = nullptr;
  const ASM* before_last_ = nullptr;
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
  PADDED_LAYOUT layout(size, parameters);
  for (int32_t i = 0; i < size; ++i) {
    const ASM* object = rom.fetch(i);
    const POSITION position = object != nullptr ? unwrapped(*object).position() : POSITION{};
    if (to_pad[i]) padded_.push_back(layout.add_nops(i, 2, position));
    if (object != nullptr) {
      const int nops = layout.hazard_nops(*object);
      const int32_t at = layout.add_nops(i, nops, position);
      inserted_.insert(inserted_.end(), nops, at);
    }
    layout.place_original(i, object);
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
    if (auto* branch = dynamic_cast<ASM_BR*>(&unwrapped(*object))) {
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
