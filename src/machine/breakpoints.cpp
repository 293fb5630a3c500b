#include "machine/breakpoints.h"

#include <memory>
#include <vector>

#include "machine/breakpoint.h"
#include "machine/rom.h"
#include "project/src_file.h"

namespace {

int32_t first_address_at(const ROM& rom, const std::string& path, int line) {
  for (int32_t address = 0; address < rom.size(); ++address) {
    const ASM* object = rom.fetch(address);
    if (object != nullptr && is_at(object->position(), path, line)) return address;
  }
  return -1;
}

// The line's breakpoint object, created on first use so that it can be re-installed later.
BREAKPOINT* entry_for(SRC_FILE& file, int line) {
  std::unique_ptr<BREAKPOINT>& entry = file.breakpoints[line];
  if (!entry) entry = std::make_unique<BREAKPOINT>();
  return entry.get();
}

// The table's lines, taken first so that entries can be dropped while going through them.
std::vector<int> lines_from_highest(const SRC_FILE& file) {
  std::vector<int> lines;
  for (auto entry = file.breakpoints.rbegin(); entry != file.breakpoints.rend(); ++entry)
    lines.push_back(entry->first);
  return lines;
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

int set_breakpoint(ROM& rom, SRC_FILE& file, int line) {
  if (!has_code_at(rom, file.path(), line)) return -1;
  BREAKPOINT* installed = install_breakpoint(rom, entry_for(file, line), file.path(), line);
  return rom.address_of(installed);
}

int remove_breakpoint(ROM& rom, SRC_FILE& file, int line) {
  auto entry = file.breakpoints.find(line);
  if (entry == file.breakpoints.end() || !entry->second) return -1;
  const int address = uninstall_breakpoint(rom, *entry->second);
  file.breakpoints.erase(entry);
  return address;
}

int breakpoint_state(ROM& rom, SRC_FILE& file, int line) {
  auto entry = file.breakpoints.find(line);
  if (entry == file.breakpoints.end() || !entry->second)
    return has_code_at(rom, file.path(), line) ? 0 : -1;
  if (install_breakpoint(rom, entry->second.get(), file.path(), line) == nullptr) {
    file.breakpoints.erase(entry);
    return -1;
  }
  return 1;
}

void remove_all_breakpoints(ROM& rom, SRC_FILE& file) {
  for (int line : lines_from_highest(file))
    if (breakpoint_state(rom, file, line) == 1) remove_breakpoint(rom, file, line);
}

void reattach_breakpoints(ROM& rom, SRC_FILE& file) {
  for (int line : lines_from_highest(file)) {
    BREAKPOINT* breakpoint = file.breakpoints[line].get();
    if (breakpoint == nullptr || install_breakpoint(rom, breakpoint, file.path(), line) == nullptr)
      file.breakpoints.erase(line);
  }
}
