// What code generation keeps for each live C function: where its code starts, the media of
// its parameters and result, the calls still waiting for its address, and the RAM words its
// call sites save the caller's temporary registers in.
#pragma once

#include <cstdint>
#include <vector>

class RCALL;
class RAM_SM;
class STORAGE_MEDIUM;

struct FUNCTION_CODE {
  int32_t start = -1;  // unknown until its code is generated
  STORAGE_MEDIUM* result = nullptr;
  std::vector<STORAGE_MEDIUM*> parameters;
  std::vector<RCALL*> call_sites;
  std::vector<RAM_SM*> temporary_save_words;
  // Every local's medium, in the order they were given, for the recursion frames.
  std::vector<STORAGE_MEDIUM*> locals;
};
