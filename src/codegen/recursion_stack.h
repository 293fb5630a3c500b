// Recursion: a call from F to a function that can reach F again saves F's parameters, locals
// and the temporaries in use on a RAM stack before the RCALL and restores them after. The
// stack's pointer lives in RAM (two words with wide RAM) and is stepped through R4 (R5:R4);
// the stack itself is reserved once all code is generated, with room for Z of the largest
// frame, and the pointer's start is written into slots kept at the program's first address.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class C_FUNCTION;
class C_PROGRAM;
class CODEGEN;
class RAM_SM;
class STORAGE_MEDIUM;

class RECURSION_STACK {
 public:
  void reset();
  // The functions each live function can reach through its calls.
  void find_recursion(const C_PROGRAM& program);
  bool is_recursive_call(const C_FUNCTION* caller, const C_FUNCTION* callee) const;
  bool any() const { return any_; }

  // At the program's start: the pointer's words and the slots that will set them.
  void reserve_start(CODEGEN& g);
  // Every register and RAM word of the frame, in order.
  void push_frame(CODEGEN& g, const std::vector<STORAGE_MEDIUM*>& frame);
  void pop_frame(CODEGEN& g, const std::vector<STORAGE_MEDIUM*>& frame);
  // After all code: the stack is reserved and the start slots are filled.
  void finish(CODEGEN& g);

 private:
  std::unordered_map<const C_FUNCTION*, std::unordered_set<const C_FUNCTION*>> reachable_;
  bool any_ = false;
  RAM_SM* pointer_ = nullptr;
  int32_t start_slots_ = -1;
  int largest_frame_ = 0;
};
