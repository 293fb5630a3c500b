// Lengthening in one rebuild of the ROM: each long form keeps the branch's slot for its last
// word (the indirect jump or call) and puts the rest before it, so a branch aimed at the old
// word now lands on the first word of its long form.
#include "forwarding/long_forms.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "forwarding/hazards.h"
#include "isa/jumps.h"
#include "machine/rom.h"

namespace {

using INSERTIONS = std::vector<std::pair<int32_t, std::unique_ptr<ASM>>>;

// Old indices to new ones once the insertions are in: a target lands on the first word put
// before it; a word that stays keeps its place after them.
class MOVES {
 public:
  // Indices ascending, each once.
  void add(int32_t index, int count) {
    indices_.push_back(index);
    totals_.push_back((totals_.empty() ? 0 : totals_.back()) + count);
  }
  int32_t target(int32_t index) const {
    return index + total_up_to(std::lower_bound(indices_.begin(), indices_.end(), index));
  }
  int32_t word(int32_t index) const {
    return index + total_up_to(std::upper_bound(indices_.begin(), indices_.end(), index));
  }

 private:
  // The words inserted before the indices ahead of `end`.
  int32_t total_up_to(std::vector<int32_t>::const_iterator end) const {
    const auto n = end - indices_.begin();
    return n == 0 ? 0 : totals_[n - 1];
  }
  std::vector<int32_t> indices_;
  std::vector<int32_t> totals_;  // running sums of the counts
};

template <class INSTRUCTION, class... OPERANDS>
std::unique_ptr<ASM> generated(const POSITION& position, OPERANDS... operands) {
  auto object = std::make_unique<INSTRUCTION>(position, operands...);
  object->mark_generated();
  return object;
}

bool is_conditional(const ASM_BR& branch) {
  const int number = branch.instruction_number();
  return number == row_of(OPCODE::RB0).number || number == row_of(OPCODE::RB1).number;
}

// The branch that skips the long jump: taken exactly when the original was not.
std::unique_ptr<ASM> opposite_branch(const ASM_BR& branch) {
  const auto& conditional = static_cast<const ASM_BR_IMM&>(branch);
  if (branch.instruction_number() == row_of(OPCODE::RB0).number)
    return generated<RB1>(branch.position(), conditional.flag(), int32_t{0});
  return generated<RB0>(branch.position(), conditional.flag(), int32_t{0});
}

std::unique_ptr<ASM> indirect_jump(const ASM_BR& branch, REGISTER& low) {
  if (branch.instruction_number() == row_of(OPCODE::RCALL).number)
    return generated<ICALL>(branch.position(), &low);
  return generated<IJMP>(branch.position(), &low);
}

struct NEW_GROUP {
  int32_t branch_index;  // the old index of the lengthened branch
  int offset;            // of the first load among the words put before it
  int32_t target;        // old index
};

}  // namespace

void lengthen(ROM& rom, const std::vector<AIMED_BRANCH>& far,
              const std::vector<AIMED_BRANCH>& branches, const LONG_JUMP& long_jump,
              std::vector<JUMP_SLOTS>& slots) {
  INSERTIONS insertions;
  MOVES moves;
  std::vector<NEW_GROUP> groups;
  std::vector<std::pair<ASM_BR*, int32_t>> skips;  // each opposite branch and its old target
  for (const AIMED_BRANCH& aimed : far) {
    const ASM_BR& branch = *aimed.branch;
    int count = 0;
    if (is_conditional(branch)) {
      std::unique_ptr<ASM> skip = opposite_branch(branch);
      skips.emplace_back(static_cast<ASM_BR*>(skip.get()), aimed.index + 1);
      insertions.emplace_back(aimed.index, std::move(skip));
      count += 1;
    }
    groups.push_back({aimed.index, count, aimed.target});
    for (std::unique_ptr<ASM>& load : long_jump.loads(aimed.target, branch.position())) {
      load->mark_generated();
      insertions.emplace_back(aimed.index, std::move(load));
      count += 1;
    }
    moves.add(aimed.index, count);
    rom.fill(aimed.index, indirect_jump(branch, long_jump.low()));  // deletes the branch
  }
  rom.insert_all(std::move(insertions));
  std::size_t next_far = 0;
  for (const AIMED_BRANCH& aimed : branches) {
    if (next_far < far.size() && far[next_far].branch == aimed.branch) {
      next_far += 1;
      continue;
    }
    aimed.branch->set_target(moves.target(aimed.target), rom);
  }
  for (auto [skip, target] : skips) skip->set_target(moves.target(target), rom);
  for (JUMP_SLOTS& group : slots) group = {moves.word(group.first), moves.target(group.target)};
  for (const NEW_GROUP& group : groups)
    slots.push_back({moves.target(group.branch_index) + group.offset, moves.target(group.target)});
}
