// Where a token, construct or instruction stands: a source file, a line and a column, both from 1.
// Full integers are kept (no 16-bit packing), so very long files keep exact positions. A position
// made from a macro's replacement text stands at the macro's use and names the macro.
#pragma once

#include <string>

class FILE_TOOLS;
class SOURCE_LINE_CACHE;
class SRC_FILE;
class USER_INTERFACE;

struct POSITION {
  SRC_FILE* source_file = nullptr;
  int line = 0;
  int column = 0;
  // The macro whose replacement text the construct came from (base/macro_names.h), 0 for none.
  int macro = 0;

  static POSITION make(SRC_FILE* file, int line, int column, int macro = 0) {
    return POSITION{file, line, column, macro};
  }
  POSITION shifted(int n) const { return POSITION{source_file, line, column + n, macro}; }

  // The place alone: a breakpoint or an inspection at a use matches whatever the macro.
  bool operator==(const POSITION& other) const {
    return source_file == other.source_file && line == other.line && column == other.column;
  }
};

// p and a in the same file, p from a to b in reading order, both ends included.
bool is_between(const POSITION& p, const POSITION& a, const POSITION& b);
// b in a's file and line, with a's column <= b's column <= a's column + n.
bool is_near(const POSITION& a, const POSITION& b, int n);
// p has a file whose path is path, and p's line is line.
bool is_at(const POSITION& p, const std::string& path, int line);

// Prints the heading, the source line and a caret under the column; nothing without a file.
// The source is read afresh through the file tools, so verbose mode announces it.
void show(const POSITION& p, USER_INTERFACE& user_interface, FILE_TOOLS& files);
// The same with the line taken from the cache, which reads (and so announces) each file once
// per build.
void show(const POSITION& p, USER_INTERFACE& user_interface, SOURCE_LINE_CACHE& source_lines);
