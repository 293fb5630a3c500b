// The loads follow the flag rule of the branches they serve: EOR changes the flags, so slots
// always come before the comparison that sets them.
#include "forwarding/long_jump.h"

#include "isa/instructions.h"
#include "machine/processor_parameters.h"
#include "machine/register_pool.h"

// Program-counter widths other than 16 and 24 follow the 24-bit rule: a pair whenever the
// registers are narrower than the program counter, so every ROM address can be formed.
LONG_JUMP_MODE long_jump_mode_for(const PROCESSOR_PARAMETERS& parameters) {
  if (parameters.pc_width <= parameters.data_size) return LONG_JUMP_MODE::one_register;
  return parameters.data_size == 8 ? LONG_JUMP_MODE::byte_pair : LONG_JUMP_MODE::wide_pair;
}

LONG_JUMP::LONG_JUMP(const PROCESSOR_PARAMETERS& parameters, REGISTER_POOL& registers)
    : mode_(long_jump_mode_for(parameters)),
      width_(parameters.data_size),
      pc_width_(parameters.pc_width),
      low_(registers.at(0)),
      high_(registers.at(1)) {}

bool LONG_JUMP::high_part_needs_two_loads() const {
  return mode_ == LONG_JUMP_MODE::wide_pair && pc_width_ - width_ > 8;
}

int LONG_JUMP::slot_count() const {
  if (mode_ != LONG_JUMP_MODE::wide_pair) return 2;
  return high_part_needs_two_loads() ? 4 : 3;
}

bool LONG_JUMP::reaches(int64_t address) const {
  return mode_ != LONG_JUMP_MODE::byte_pair || address <= 0xFFFF;
}

namespace {

class LOADS {
 public:
  explicit LOADS(const POSITION& at) : at_(at) {}
  template <class INSTRUCTION, class... OPERANDS>
  void add(OPERANDS... operands) {
    words_.push_back(std::make_unique<INSTRUCTION>(at_, operands...));
  }
  std::vector<std::unique_ptr<ASM>> take() { return std::move(words_); }

 private:
  POSITION at_;
  std::vector<std::unique_ptr<ASM>> words_;
};

}  // namespace

std::vector<std::unique_ptr<ASM>> LONG_JUMP::loads(int32_t a, const POSITION& at) const {
  LOADS words(at);
  REGISTER* r0 = &low_;
  REGISTER* r1 = &high_;
  switch (mode_) {
    case LONG_JUMP_MODE::byte_pair:
      if (a > 255)
        words.add<LDIL>(r1, (a / 256) & 0xFF);
      else
        words.add<EOR>(r1, r1);
      words.add<LDIL>(r0, a % 256);
      break;
    case LONG_JUMP_MODE::one_register:
      words.add<LDIH>(r0, a / 256);
      words.add<LDIL>(r0, a % 256);
      break;
    case LONG_JUMP_MODE::wide_pair: {
      const int32_t high = a >> width_;
      const int32_t low = a & ((int32_t{1} << width_) - 1);
      if (high_part_needs_two_loads()) {
        if (high > 255) {
          words.add<LDIL>(r1, high & 0xFF);
          words.add<LDIH>(r1, high >> 8);
        } else {
          words.add<EOR>(r1, r1);
          words.add<LDIL>(r1, high);
        }
      } else if (high != 0) {
        words.add<LDIL>(r1, high);
      } else {
        words.add<EOR>(r1, r1);
      }
      words.add<LDIH>(r0, low / 256);
      words.add<LDIL>(r0, low % 256);
    }
  }
  return words.take();
}
