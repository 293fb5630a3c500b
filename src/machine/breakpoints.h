// Breakpoints on source lines. The ROM operations put a breakpoint in the slot of a line's first
// instruction and take it out again; the source-file operations keep each file's table of
// breakpoints by line in step with the ROM, across rebuilds.
#pragma once

#include <string>

class ROM;
class SRC_FILE;
class BREAKPOINT;

// Wraps the first instruction of the line with breakpoint and answers it; answers an existing
// breakpoint of the line, or breakpoint itself when it already stands in the ROM; answers null
// when the line has no code, or when no breakpoint is given and the line has none. The caller
// owns the breakpoint (its file's table does).
BREAKPOINT* install_breakpoint(ROM& rom, BREAKPOINT* breakpoint, const std::string& path, int line);
// Puts the wrapped instruction back; answers the address, -1 when the breakpoint is not in the ROM.
int uninstall_breakpoint(ROM& rom, const BREAKPOINT& breakpoint);
bool has_code_at(const ROM& rom, const std::string& path, int line);

// Answers the breakpoint's address, or -1 when the line has no code.
int set_breakpoint(ROM& rom, SRC_FILE& file, int line);
// Answers the address it stood at, or -1.
int remove_breakpoint(ROM& rom, SRC_FILE& file, int line);
// 1: the line has a breakpoint in the ROM; 0: no breakpoint but code; -1: no code.
int breakpoint_state(ROM& rom, SRC_FILE& file, int line);
void remove_all_breakpoints(ROM& rom, SRC_FILE& file);
// After a rebuild: every recorded breakpoint goes back on its line, or is dropped.
void reattach_breakpoints(ROM& rom, SRC_FILE& file);
