// Breakpoints in the ROM: a breakpoint goes into the slot of a line's first instruction and
// comes out again. The table that keeps each file's breakpoints by line is BREAKPOINT_TABLE.
#pragma once

#include <string>

class ROM;
class BREAKPOINT;

// Wraps the first instruction of the line with breakpoint and answers it; answers an existing
// breakpoint of the line, or breakpoint itself when it already stands in the ROM; answers null
// when the line has no code, or when no breakpoint is given and the line has none. The caller
// owns the breakpoint (its file's table does).
BREAKPOINT* install_breakpoint(ROM& rom, BREAKPOINT* breakpoint, const std::string& path, int line);
// Puts the wrapped instruction back; answers the address, -1 when the breakpoint is not in the ROM.
int uninstall_breakpoint(ROM& rom, const BREAKPOINT& breakpoint);
bool has_code_at(const ROM& rom, const std::string& path, int line);
