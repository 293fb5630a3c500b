// The reader keeps one character of look-ahead with its line and column. At the end of the file
// the position stays on the last character read, so an error there points at the file's end.
#include "project/tvr_parser.h"

#include <algorithm>
#include <cstdint>

#include "base/error_handler.h"
#include "machine/machine.h"
#include "project/project_file_layout.h"
#include "project/source_path_list.h"

namespace {

constexpr int end_of_file = std::char_traits<char>::eof();
// Digits beyond this stop counting: the value is already out of every range.
constexpr long long number_limit = 1LL << 40;

bool is_separator(int c) {
  return c == '\0' || c == '\t' || c == '\n' || c == '\r' || c == ' ';
}

int32_t as_port_word(long long value) {
  return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

TVR_PARSER::TVR_PARSER(const PROJECT_DESCRIPTION& description, ERROR_HANDLER& error_handler,
                       std::string path, std::istream& file)
    : description_(description),
      error_handler_(error_handler),
      path_(std::move(path)),
      file_(file),
      current_(file.get()) {}

// project  = "project_name" quoted "binary_text_file_path" quoted parameter*8 source_list
//            [input_memory] [output_memory] [io_memory]
// quoted   = "=" '"' characters '"'
bool TVR_PARSER::read() {
  PROJECT& project = description_.project;
  expect_word("project_name");
  read_quoted(project.project_name);
  expect_word("binary_text_file_path");
  read_quoted(project.binary_text_file_path);
  for (const PROJECT_PARAMETER& parameter : project_parameters) read_parameter(parameter);
  read_source_list();
  for (const PORT_MEMORY_SECTION& section : port_memory_sections)
    if (section_follows(section.key)) read_memory_section(section);
  return !failed_;
}

void TVR_PARSER::advance() {
  if (current_ == end_of_file) return;
  const int next = file_.get();
  if (next == end_of_file) {
    current_ = end_of_file;
    return;
  }
  if (current_ == '\n') {
    ++line_;
    column_ = 1;
  } else {
    ++column_;
  }
  current_ = next;
}

void TVR_PARSER::skip_separators() {
  while (is_separator(current_)) advance();
}

// Only the first error is reported; from then on every step does nothing.
void TVR_PARSER::fail() {
  if (failed_) return;
  failed_ = true;
  error_handler_.append("Error while parsing file \"")
      .append(path_)
      .append("\" at line ")
      .append(line_)
      .append(" column ")
      .append(column_)
      .append(".");
  error_handler_.error();
}

void TVR_PARSER::expect(char wanted) {
  if (failed_) return;
  skip_separators();
  if (current_ == wanted)
    advance();
  else
    fail();
}

// The first letter may follow separators; the others must follow it at once.
void TVR_PARSER::expect_word(std::string_view word) {
  expect(word.front());
  for (char letter : word.substr(1)) {
    if (failed_) return;
    if (current_ == letter)
      advance();
    else
      fail();
  }
}

// Everything up to the next double quote, which stays the current character.
std::string TVR_PARSER::read_up_to_quote() {
  std::string text;
  if (failed_) return text;
  while (current_ != '"' && current_ != end_of_file) {
    text.push_back(static_cast<char>(current_));
    advance();
  }
  if (current_ == end_of_file) fail();
  return text;
}

// quoted = "=" '"' characters '"'
void TVR_PARSER::read_quoted(std::string& value) {
  expect('=');
  expect('"');
  std::string text = read_up_to_quote();
  if (failed_) return;
  value = std::move(text);
  expect('"');
}

// number = ["-"] digit*   (no digit reads as 0)
long long TVR_PARSER::read_number() {
  if (failed_) return 0;
  const bool negative = current_ == '-';
  if (negative) advance();
  long long value = 0;
  while (current_ >= '0' && current_ <= '9') {
    if (value < number_limit) value = value * 10 + (current_ - '0');
    advance();
  }
  return negative ? -value : value;
}

// parameter = key "=" '"' number '"'   (each letter of the key may follow separators)
void TVR_PARSER::read_parameter(const PROJECT_PARAMETER& parameter) {
  for (char letter : parameter.key) expect(letter);
  expect('=');
  expect('"');
  if (failed_) return;
  const long long value = read_number();
  if (!parameter.is_allowed(value)) {
    fail();
    return;
  }
  (description_.machine.configuration.*parameter.set)(static_cast<int>(value));
  expect('"');
}

// source_list = "src_file_path_list" "=" "{" { '"' path '"' [","] } "}"
void TVR_PARSER::read_source_list() {
  expect_word("src_file_path_list");
  expect('=');
  expect('{');
  while (!failed_) {
    skip_separators();
    if (current_ == '}' || current_ == end_of_file) break;
    read_source_path();
  }
  expect('}');
}

// A path that names no source file is dropped, as the source list drops it.
void TVR_PARSER::read_source_path() {
  expect('"');
  std::string path = read_up_to_quote();
  expect('"');
  if (failed_) return;
  description_.source_paths.add_source_file(path);
  skip_separators();
  if (current_ == ',')
    advance();
  else if (current_ != '"' && current_ != '}')
    fail();
}

// A section is there when its key's first letter comes next. "input_memory" and "io_memory"
// share that letter, so the second one decides, and a file may hold io_memory alone.
bool TVR_PARSER::section_follows(std::string_view key) {
  if (failed_) return false;
  skip_separators();
  if (current_ != key.front()) return false;
  return !(key == "input_memory" && file_.peek() == 'o');
}

// memory_section = key "=" "{" number* "}"   (as many numbers as the section has port words)
void TVR_PARSER::read_memory_section(const PORT_MEMORY_SECTION& section) {
  expect_word(section.key);
  expect('=');
  expect('{');
  for (int32_t& word :
       section.words(description_.machine.devices, description_.machine.parameters)) {
    if (failed_) return;
    skip_separators();
    word = as_port_word(read_number());
  }
  expect('}');
}
