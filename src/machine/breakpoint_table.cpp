#include "machine/breakpoint_table.h"

#include <vector>

#include "base/src_file.h"
#include "machine/breakpoints.h"
#include "machine/rom.h"

namespace {

// The table's lines, taken first so that entries can be dropped while going through them.
std::vector<int> lines_from_highest(const BREAKPOINT_TABLE::LINES& lines) {
  std::vector<int> numbers;
  for (auto entry = lines.rbegin(); entry != lines.rend(); ++entry) numbers.push_back(entry->first);
  return numbers;
}

}  // namespace

// The line's breakpoint object, created on first use so that it can be re-installed later.
BREAKPOINT* BREAKPOINT_TABLE::entry_for(const SRC_FILE& file, int line) {
  std::unique_ptr<BREAKPOINT>& entry = files_[&file][line];
  if (!entry) entry = std::make_unique<BREAKPOINT>();
  return entry.get();
}

const BREAKPOINT_TABLE::LINES& BREAKPOINT_TABLE::lines_of(const SRC_FILE& file) const {
  static const LINES none;
  auto found = files_.find(&file);
  return found == files_.end() ? none : found->second;
}

int BREAKPOINT_TABLE::set_breakpoint(const SRC_FILE& file, int line) {
  if (!has_code_at(rom_, file.path(), line)) return -1;
  BREAKPOINT* installed = install_breakpoint(rom_, entry_for(file, line), file.path(), line);
  return rom_.address_of(installed);
}

int BREAKPOINT_TABLE::remove_breakpoint(const SRC_FILE& file, int line) {
  LINES& lines = files_[&file];
  auto entry = lines.find(line);
  if (entry == lines.end() || !entry->second) return -1;
  const int address = uninstall_breakpoint(rom_, *entry->second);
  lines.erase(entry);
  return address;
}

BREAKPOINT_STATE BREAKPOINT_TABLE::breakpoint_state(const SRC_FILE& file, int line) {
  LINES& lines = files_[&file];
  auto entry = lines.find(line);
  if (entry == lines.end() || !entry->second)
    return has_code_at(rom_, file.path(), line) ? line_without_breakpoint : line_without_code;
  if (install_breakpoint(rom_, entry->second.get(), file.path(), line) == nullptr) {
    lines.erase(entry);
    return line_without_code;
  }
  return line_with_breakpoint;
}

void BREAKPOINT_TABLE::remove_all_breakpoints(const SRC_FILE& file) {
  for (int line : lines_from_highest(lines_of(file)))
    if (breakpoint_state(file, line) == line_with_breakpoint) remove_breakpoint(file, line);
}

void BREAKPOINT_TABLE::reattach_breakpoints(const SRC_FILE& file) {
  LINES& lines = files_[&file];
  for (int line : lines_from_highest(lines)) {
    BREAKPOINT* breakpoint = lines[line].get();
    if (breakpoint == nullptr || install_breakpoint(rom_, breakpoint, file.path(), line) == nullptr)
      lines.erase(line);
  }
}
