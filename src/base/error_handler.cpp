// Report layout: "****** Kind : " and the message wrapped after column 60 (at a blank, which
// becomes the line end, or after a comma), then every position with its source line, then "------".
#include "base/error_handler.h"

#include <algorithm>

#include "base/echo.h"
#include "base/file_tools.h"
#include "base/user_interface.h"

namespace {
constexpr int wrap_column = 60;
}

void ERROR_HANDLER::add_position(const POSITION& p) {
  if (!first_position_) first_position_ = p;
  if (std::find(positions_.begin(), positions_.end(), p) == positions_.end())
    positions_.push_back(p);
}

ERROR_HANDLER& ERROR_HANDLER::append(std::string_view text) {
  message_ += text;
  return *this;
}

ERROR_HANDLER& ERROR_HANDLER::append(long long value) {
  message_ += std::to_string(value);
  return *this;
}

void ERROR_HANDLER::error() {
  emit("Error");
  ++error_count_;
  ++total_error_count_;
}

void ERROR_HANDLER::warning() {
  emit("Warning");
  ++warning_count_;
}

void ERROR_HANDLER::error_at(const POSITION& p, std::string_view message) {
  add_position(p);
  append(message);
  error();
}

void ERROR_HANDLER::warning_at(const POSITION& p, std::string_view message) {
  add_position(p);
  append(message);
  warning();
}

void ERROR_HANDLER::error_without_position(std::string_view message) {
  append(message);
  error();
}

void ERROR_HANDLER::reset() {
  message_.clear();
  positions_.clear();
  error_count_ = 0;
  warning_count_ = 0;
  first_position_.reset();
}

void ERROR_HANDLER::emit(std::string_view kind) {
  user_interface_.put_string("****** ");
  user_interface_.put_string(kind);
  user_interface_.put_string(" : ");
  write_wrapped(kind);
  user_interface_.put_character('\n');
  show_positions();
  message_.clear();
  positions_.clear();
  user_interface_.put_string("------\n");
  user_interface_.flush();
}

void ERROR_HANDLER::show_positions() {
  if (files_ != nullptr) {
    for (const POSITION& p : positions_) show(p, user_interface_, *files_);
    return;
  }
  ECHO silent(user_interface_);
  FILE_TOOLS files(silent, *this);
  for (const POSITION& p : positions_) show(p, user_interface_, files);
}

// A newline in the message always restarts the column count, wherever it stands.
void ERROR_HANDLER::write_wrapped(std::string_view kind) {
  std::string out;
  int column = static_cast<int>(kind.size()) + 9;
  char previous = '\0';
  for (char c : message_) {
    if (c == '\n') {
      out.push_back(c);
      column = 0;
    } else if (column <= wrap_column) {
      out.push_back(c);
      ++column;
    } else if (c == ' ') {
      out.push_back('\n');
      column = 0;
    } else if (previous == ',') {
      out.push_back('\n');
      out.push_back(c);
      column = 1;
    } else {
      out.push_back(c);
      ++column;
    }
    previous = c;
  }
  user_interface_.put_string(out);
}
