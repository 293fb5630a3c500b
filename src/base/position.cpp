// Position comparisons, and the display of a position with its source line and caret.
#include "base/position.h"

#include <optional>
#include <string_view>

#include "base/file_tools.h"
#include "base/macro_names.h"
#include "base/source_line_cache.h"
#include "base/src_file.h"
#include "base/user_interface.h"

namespace {

bool same_file(const POSITION& a, const POSITION& b) {
  return a.source_file != nullptr && a.source_file == b.source_file;
}

bool not_after(const POSITION& a, const POSITION& b) {
  return a.line < b.line || (a.line == b.line && a.column <= b.column);
}

// The caret line: a tab under each tab of the source, a blank elsewhere, also past the line's end.
std::string caret_line(std::string_view source_line, int column) {
  std::string caret;
  for (int i = 0; i + 1 < column; ++i) {
    bool tab = static_cast<size_t>(i) < source_line.size() && source_line[i] == '\t';
    caret.push_back(tab ? '\t' : ' ');
  }
  caret += "^\n";
  return caret;
}

void write_heading(const POSITION& p, USER_INTERFACE& user_interface) {
  user_interface.put_string("Line ");
  user_interface.put_integer(p.line);
  user_interface.put_string(" column ");
  user_interface.put_integer(p.column);
  user_interface.put_string(" in ");
  user_interface.put_string(p.source_file->path());
  user_interface.put_string(" :\n");
}

// Nothing in place of the line: the file could not be read.
void write_source_line(const POSITION& p, std::optional<std::string_view> source_line,
                       USER_INTERFACE& user_interface) {
  if (!source_line) {
    user_interface.put_string("Cannot read file \"" + p.source_file->path() + "\".\n");
    return;
  }
  user_interface.put_string(*source_line);
  user_interface.put_character('\n');
  user_interface.put_string(caret_line(*source_line, p.column));
}

void write_macro_line(const POSITION& p, USER_INTERFACE& user_interface) {
  if (p.macro == 0) return;
  user_interface.put_string("In the expansion of macro \"" + macro_name(p.macro) + "\".\n");
}

}  // namespace

bool is_between(const POSITION& p, const POSITION& a, const POSITION& b) {
  return same_file(p, a) && not_after(a, p) && not_after(p, b);
}

bool is_near(const POSITION& a, const POSITION& b, int n) {
  return same_file(a, b) && a.line == b.line && a.column <= b.column && b.column <= a.column + n;
}

bool is_at(const POSITION& p, const std::string& path, int line) {
  return p.source_file != nullptr && p.source_file->path() == path && p.line == line;
}

void show(const POSITION& p, USER_INTERFACE& user_interface, FILE_TOOLS& files) {
  if (p.source_file == nullptr) return;
  write_heading(p, user_interface);
  // A file shortened since the build shows an empty line rather than reading past its end.
  std::optional<std::string> source_line = files.read_source_line(p.source_file->path(), p.line);
  write_source_line(p, source_line ? std::optional<std::string_view>(*source_line) : std::nullopt,
                    user_interface);
  write_macro_line(p, user_interface);
}

void show(const POSITION& p, USER_INTERFACE& user_interface, SOURCE_LINE_CACHE& source_lines) {
  if (p.source_file == nullptr) return;
  write_heading(p, user_interface);
  write_source_line(p, source_lines.line(p.source_file->path(), p.line), user_interface);
  write_macro_line(p, user_interface);
}
