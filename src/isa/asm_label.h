// A label of an assembly file: its name, where it was first seen, where it is defined (once it
// is) and the ROM address it stands for (-1 until defined). Branches keep a pointer to it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/position.h"

struct ASM_LABEL {
  ASM_LABEL(std::string name, POSITION first_use) : name(std::move(name)), first_use(first_use) {}

  bool is_defined() const { return definition.has_value(); }

  std::string name;
  POSITION first_use;
  std::optional<POSITION> definition;
  int32_t address = -1;
};
