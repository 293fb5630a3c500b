// The constants too large to be loaded in one or two instructions live in ROM words after a
// jump, laid out at the end of stage (2); each is read back through LPM when used.
#pragma once

#include <cstdint>
#include <map>
#include <unordered_map>

class CODEGEN;
class DECIMAL_CONSTANT;
class ROM_SM;
class STORAGE_MEDIUM;

class CONSTANT_POOL {
 public:
  void reset();
  // The jump and one PMC word per distinct value of the front end's pooled constants.
  void lay_out(CODEGEN& g);
  // The medium of a constant: its pool word, or a new immediate.
  STORAGE_MEDIUM& constant_medium(CODEGEN& g, DECIMAL_CONSTANT& constant);
  STORAGE_MEDIUM& value_medium(CODEGEN& g, int32_t reduced);
  // The medium code generation gave the constant, or nullptr.
  const STORAGE_MEDIUM* medium_given(const DECIMAL_CONSTANT* constant) const;

  // The pool's jump and last word in the unpadded code (-1 without a pool), and the NOPs that
  // padding puts before it, by which its addresses are given.
  int32_t first = -1;
  int32_t last = -1;
  int32_t shift = 0;

 private:
  std::map<int32_t, ROM_SM*> words_;
  std::unordered_map<const DECIMAL_CONSTANT*, STORAGE_MEDIUM*> given_;
};
