#include "base/file_tools.h"

#include <filesystem>
#include <iterator>

#include "base/echo.h"
#include "base/error_handler.h"
#include "base/text_lines.h"

namespace {

// Some systems open a directory for reading; it is still no file to read.
std::ifstream open_file(const std::string& path) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) return std::ifstream();
  return std::ifstream(path);
}

}  // namespace

std::ifstream FILE_TOOLS::open_read(const std::string& path) {
  echo_.echo_string("Trying to read file \"" + path + "\".\n");
  return open_file(path);
}

OUTPUT_FILE FILE_TOOLS::open_write(const std::string& path) {
  echo_.echo_string("Trying to write file \"" + path + "\".\n");
  return OUTPUT_FILE(path);
}

void FILE_TOOLS::close_read(std::ifstream& file, const std::string& path) {
  if (!file.is_open()) return;
  echo_.echo_string("Closing file \"" + path + "\".\n");
  file.close();
}

bool FILE_TOOLS::close_write(OUTPUT_FILE& file, const std::string& path) {
  if (!file.created()) return false;
  echo_.echo_string("Closing file \"" + path + "\".\n");
  return file.commit();
}

void FILE_TOOLS::remove_file(const std::string& path) {
  if (!file_exists(path)) return;
  echo_.echo_string("Removing \"" + path + "\".\n");
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

bool FILE_TOOLS::file_exists(const std::string& path) const {
  return open_file(path).is_open();
}

bool FILE_TOOLS::read_lines(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream file = open_read(path);
  if (!file.is_open()) {
    error_handler_.append("Unable to open file \"" + path + "\".\n");
    error_handler_.error();
    return false;
  }
  std::string contents{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  lines = split_lines(contents);
  close_read(file, path);
  return true;
}

std::optional<std::string> FILE_TOOLS::read_source_line(const std::string& path, int line) {
  std::optional<std::vector<std::string>> lines = read_source_lines(path);
  if (!lines) return std::nullopt;
  if (line < 1 || static_cast<std::size_t>(line) > lines->size()) return std::string();
  return std::move((*lines)[line - 1]);
}

std::optional<std::vector<std::string>> FILE_TOOLS::read_source_lines(const std::string& path) {
  std::ifstream file = open_read(path);
  if (!file.is_open()) return std::nullopt;
  std::string contents{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  close_read(file, path);
  return split_lines(contents);
}

// A file that could not even be created keeps the message every writer has always given.
std::string write_failure_message(const OUTPUT_FILE& file, const std::string& path) {
  if (!file.created()) return "Unable to create file \"" + path + "\".";
  return "Cannot write file \"" + path + "\": " + file.reason() + ".";
}

void report_write_failure(ERROR_HANDLER& error_handler, const OUTPUT_FILE& file,
                          const std::string& path) {
  error_handler.error_without_position(write_failure_message(file, path) + "\n");
}
