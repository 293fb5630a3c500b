// The project file reader. It reads character by character, tolerant of layout: blanks, tabs,
// line ends and NULs may stand between any two tokens. Each value is applied as soon as it is
// read; the first error is reported with its line and column and every later step does nothing.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "project/project.h"

class ERROR_HANDLER;
struct PROJECT_PARAMETER;
struct PORT_MEMORY_SECTION;

class TVR_PARSER {
 public:
  // path only names the file in the error report; the characters come from file.
  TVR_PARSER(const PROJECT_DESCRIPTION& description, ERROR_HANDLER& error_handler, std::string path,
             std::istream& file);

  // Reads the whole project; answers true when it was read to the end without error.
  bool read();

 private:
  void advance();
  void skip_separators();
  void fail();

  void expect(char wanted);
  void expect_word(std::string_view word);
  std::string read_up_to_quote();
  void read_quoted(std::string& value);
  long long read_number();

  void read_parameter(const PROJECT_PARAMETER& parameter);
  void read_source_list();
  void read_source_path();
  bool section_follows(std::string_view key);
  void read_memory_section(const PORT_MEMORY_SECTION& section);

  PROJECT_DESCRIPTION description_;
  ERROR_HANDLER& error_handler_;
  std::string path_;
  std::istream& file_;
  int current_;  // the character under examination, or end_of_file
  int line_ = 1;
  int column_ = 1;
  bool failed_ = false;
};
