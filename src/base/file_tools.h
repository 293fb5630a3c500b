// Every file of the system is opened, written, closed and removed through these tools, so each
// step is announced in verbose mode. Files are opened in text mode; the caller tests is_open().
#pragma once

#include <fstream>
#include <optional>
#include <string>
#include <vector>

class ECHO;
class ERROR_HANDLER;

class FILE_TOOLS {
 public:
  FILE_TOOLS(ECHO& echo, ERROR_HANDLER& error_handler)
      : echo_(echo), error_handler_(error_handler) {}

  std::ifstream open_read(const std::string& path);
  std::ofstream open_write(const std::string& path);  // creates or truncates
  void close_read(std::ifstream& file, const std::string& path);
  void close_write(std::ofstream& file, const std::string& path);
  // Deletes the file when it exists; otherwise does nothing and says nothing.
  void remove_file(const std::string& path);
  // True when the path names a file that can be opened for reading (a directory is no file).
  bool file_exists(const std::string& path) const;

  // Replaces lines with the file's lines (a line ends at LF, CR, CR LF or the end of the file).
  // When the file cannot be opened, reports "Unable to open file" as an error and answers false.
  bool read_lines(const std::string& path, std::vector<std::string>& lines);
  // Line number line of the file, without its line end (empty past the end of the file), for a
  // diagnostic's caret; nothing when the file cannot be opened. Reports nothing itself.
  std::optional<std::string> read_source_line(const std::string& path, int line);
  // Every line of the file, as read_lines splits them, for showing source lines; nothing when
  // the file cannot be opened. Reports nothing itself.
  std::optional<std::vector<std::string>> read_source_lines(const std::string& path);

 private:
  ECHO& echo_;
  ERROR_HANDLER& error_handler_;
};
