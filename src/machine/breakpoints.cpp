#include "machine/breakpoints.h"

#include "machine/breakpoint.h"
#include "machine/rom.h"

namespace {

int32_t first_address_at(const ROM& rom, const std::string& path, int line) {
  for (int32_t address = 0; address < rom.size(); ++address) {
    const ASM* object = rom.fetch(address);
    if (object != nullptr && object->takes_line_breakpoint() && is_at(object->position(), path, line))
      return address;
  }
  return -1;
}

}  // namespace

BREAKPOINT* install_breakpoint(ROM& rom, BREAKPOINT* breakpoint, const std::string& path,
                               int line) {
  const int32_t address = first_address_at(rom, path, line);
  if (address < 0) return nullptr;
  ASM* object = rom.fetch(address);
  if (auto* existing = dynamic_cast<BREAKPOINT*>(object)) return existing;
  if (breakpoint == nullptr) return nullptr;
  // One object never stands in two slots: padding put before the line's instruction would
  // otherwise be wrapped by the breakpoint that already wraps the instruction.
  if (rom.fetch(breakpoint->address()) == breakpoint) return breakpoint;
  breakpoint->wrap(object);
  rom.replace(address, breakpoint);
  return breakpoint;
}

int uninstall_breakpoint(ROM& rom, const BREAKPOINT& breakpoint) {
  const int32_t address = breakpoint.address();
  if (address < 0 || rom.fetch(address) != &breakpoint) return -1;
  rom.replace(address, breakpoint.wrapped_instruction());
  return address;
}

bool has_code_at(const ROM& rom, const std::string& path, int line) {
  return first_address_at(rom, path, line) >= 0;
}
