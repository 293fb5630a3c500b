// The names of the macros a position can stand inside, for diagnostics: an append-only table
// shared by every build of the process, so a position holds a small index (0: no macro) rather
// than a pointer that a later build could leave dangling.
#pragma once

#include <string>

// The index of name, entered on its first use; never 0.
int macro_name_index(const std::string& name);
// The name behind an index given by macro_name_index; empty for 0 or an unknown index.
const std::string& macro_name(int index);
