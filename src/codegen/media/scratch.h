// The scratch registers one storage operation uses: taken in the order extra temporary, R4,
// R5, and given back when the operation's SCRATCH goes out of scope.
#pragma once

#include <vector>

class CODEGEN;
struct REGISTER;

class SCRATCH {
 public:
  explicit SCRATCH(CODEGEN& g) : g_(g) {}
  ~SCRATCH();
  SCRATCH(const SCRATCH&) = delete;
  SCRATCH& operator=(const SCRATCH&) = delete;

  REGISTER& take();
  // R4, and R5 too when wide: the pair a ROM word is read through.
  REGISTER& take_rom_couple(bool wide);
  // A given register of the three, which must be idle.
  REGISTER& take_exactly(REGISTER& r);
  void give_back(REGISTER& r);

 private:
  CODEGEN& g_;
  std::vector<REGISTER*> taken_;
};
