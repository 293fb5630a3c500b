// Which chains fuse. The forwarding module puts NOPs between an instruction that sets the flags
// and a branch that tests them, so "compare, NOPs, branch" and "decrement, NOPs, branch" are
// what loops are made of.
#include "machine/predecoded.h"

#include <algorithm>
#include <array>

namespace {
struct CHAIN {
  FAST_KIND head, on_any_flag, on_z;
};

constexpr std::array<CHAIN, 6> chains{{
    {FAST_KIND::add, FAST_KIND::add_branch, FAST_KIND::add_branch_z},
    {FAST_KIND::adi, FAST_KIND::adi_branch, FAST_KIND::adi_branch_z},
    {FAST_KIND::sub, FAST_KIND::sub_branch, FAST_KIND::sub_branch_z},
    {FAST_KIND::cmp, FAST_KIND::cmp_branch, FAST_KIND::cmp_branch_z},
    {FAST_KIND::cmpi, FAST_KIND::cmpi_branch, FAST_KIND::cmpi_branch_z},
    {FAST_KIND::logic_and, FAST_KIND::and_branch, FAST_KIND::and_branch_z},
}};

constexpr int z_bit = 1;  // Z's bit in the status word

bool is_flag_branch(FAST_KIND kind) {
  return kind == FAST_KIND::rb0 || kind == FAST_KIND::rb1;
}

int nops_from(const PREDECODED* plain, int first, int count) {
  int n = 0;
  while (first + n < count && plain[first + n].kind == FAST_KIND::nop) ++n;
  return n;
}
}  // namespace

PREDECODED fused(const PREDECODED* plain, int count) {
  count = std::min(count, longest_span);
  PREDECODED record = plain[0];
  if (record.kind == FAST_KIND::nop) {
    const int n = nops_from(plain, 0, count);
    if (n > 1) {
      record.kind = FAST_KIND::nops;
      record.span = static_cast<uint8_t>(n);
    }
    return record;
  }
  for (const CHAIN& chain : chains) {
    if (record.kind != chain.head) continue;
    const int branch = 1 + nops_from(plain, 1, count);
    if (branch < count && is_flag_branch(plain[branch].kind)) {
      record.kind = plain[branch].b == z_bit ? chain.on_z : chain.on_any_flag;
      record.span = static_cast<uint8_t>(branch + 1);
    }
    break;
  }
  return record;
}
