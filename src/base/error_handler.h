// The one reporter of errors and warnings. A report is built in three moves: add its positions,
// append its text, then emit it as an error or a warning, which counts it. The counts gate the
// later build stages and the batch run.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/position.h"

class FILE_TOOLS;
class USER_INTERFACE;

class ERROR_HANDLER {
 public:
  explicit ERROR_HANDLER(USER_INTERFACE& user_interface) : user_interface_(user_interface) {}

  // The file tools through which source lines are read for the carets (so verbose mode
  // announces those reads); a handler without them reads its sources silently.
  void attach_file_tools(FILE_TOOLS& files) { files_ = &files; }

  void add_position(const POSITION& p);
  ERROR_HANDLER& append(std::string_view text);
  ERROR_HANDLER& append(long long value);
  void error();
  void warning();

  // One-call forms for the common single-position report.
  void error_at(const POSITION& p, std::string_view message);
  void warning_at(const POSITION& p, std::string_view message);
  void error_without_position(std::string_view message);

  void reset();

  int error_count() const { return error_count_; }
  int warning_count() const { return warning_count_; }
  // Every error since the process started; resets do not clear it.
  int total_error_count() const { return total_error_count_; }
  const std::optional<POSITION>& first_position() const { return first_position_; }

 private:
  void emit(std::string_view kind);
  void write_wrapped(std::string_view kind);

  void show_positions();

  USER_INTERFACE& user_interface_;
  FILE_TOOLS* files_ = nullptr;
  int error_count_ = 0;
  int warning_count_ = 0;
  int total_error_count_ = 0;
  std::optional<POSITION> first_position_;
  std::string message_;
  std::vector<POSITION> positions_;
};
