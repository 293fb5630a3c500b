// Every source file's breakpoints by line. The table outlives rebuilds: a rebuild empties the
// ROM, and reattach_breakpoints puts each recorded breakpoint back or drops it. The operations
// are those of the console's B command and of the window's source view.
#pragma once

#include <map>
#include <memory>

#include "machine/breakpoint.h"

class ROM;
class SRC_FILE;

// What a source line offers a breakpoint. Unscoped, with the numbers the console's and the
// window's answers were written against.
enum BREAKPOINT_STATE : int {
  line_without_code = -1,
  line_without_breakpoint = 0,  // the line has code
  line_with_breakpoint = 1,     // its breakpoint stands in the ROM
};

class BREAKPOINT_TABLE {
 public:
  // Line number -> that line's breakpoint; a null entry is a line whose breakpoint was dropped.
  using LINES = std::map<int, std::unique_ptr<BREAKPOINT>>;

  explicit BREAKPOINT_TABLE(ROM& rom) : rom_(rom) {}
  BREAKPOINT_TABLE(const BREAKPOINT_TABLE&) = delete;
  BREAKPOINT_TABLE& operator=(const BREAKPOINT_TABLE&) = delete;

  // Answers the breakpoint's address, or -1 when the line has no code.
  int set_breakpoint(const SRC_FILE& file, int line);
  // Answers the address it stood at, or -1.
  int remove_breakpoint(const SRC_FILE& file, int line);
  // Puts the line's recorded breakpoint back first, dropping it when the line lost its code.
  BREAKPOINT_STATE breakpoint_state(const SRC_FILE& file, int line);
  void remove_all_breakpoints(const SRC_FILE& file);
  // After a rebuild: every recorded breakpoint of the file goes back on its line, or is dropped.
  void reattach_breakpoints(const SRC_FILE& file);

  // The file's recorded lines (empty when it has none).
  const LINES& lines_of(const SRC_FILE& file) const;

 private:
  BREAKPOINT* entry_for(const SRC_FILE& file, int line);

  ROM& rom_;
  std::map<const SRC_FILE*, LINES> files_;
};
