// A value held in one general register. The compiler's temporaries #1 and #2 are register
// media too, with `free` telling whether one is handed out.
#pragma once

#include "codegen/media/storage_medium.h"

class REGISTER_SM final : public STORAGE_MEDIUM {
 public:
  explicit REGISTER_SM(REGISTER& r) : r(r) {}
  static constexpr MEDIUM_KIND KIND = MEDIUM_KIND::register_medium;
  MEDIUM_KIND kind() const override { return KIND; }

  void assign(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void add_assign(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void subtract_assign(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void and_assign(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void or_assign(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void xor_assign(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void compare(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void store_indirect(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void assign_dereferenced(CODEGEN& g, STORAGE_MEDIUM& source) override;

  void load_constant(CODEGEN& g, int32_t n) override;
  void add_constant(CODEGEN& g, int32_t n) override;
  void compare_constant(CODEGEN& g, int32_t n) override;
  void shift_left(CODEGEN& g, int n) override;
  void shift_right(CODEGEN& g, int n) override;
  void rotate_left(CODEGEN& g) override;
  void negate(CODEGEN& g) override;
  void to_status_register(CODEGEN& g) override;
  void add_to_address_register(CODEGEN& g, REGISTER& low) override;
  void release(CODEGEN& g) override;

  std::string print_kind(const MACHINE& machine) const override;
  std::string print_value(const MACHINE& machine) const override;
  REGISTER& fetch(CODEGEN&, SCRATCH&) override { return r; }

  REGISTER& r;
  bool free = false;
  bool is_temporary = false;
};
