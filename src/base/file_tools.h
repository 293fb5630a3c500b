// Every file of the system is opened, written, closed and removed through these tools, so each
// step is announced in verbose mode. Files are opened in text mode; the caller tests is_open().
// A written file replaces its target only when close_write succeeds (see OUTPUT_FILE).
#pragma once

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "base/output_file.h"

class ECHO;
class ERROR_HANDLER;

class FILE_TOOLS {
 public:
  FILE_TOOLS(ECHO& echo, ERROR_HANDLER& error_handler)
      : echo_(echo), error_handler_(error_handler) {}

  std::ifstream open_read(const std::string& path);
  // A temporary file beside path; the target is untouched until close_write.
  OUTPUT_FILE open_write(const std::string& path);
  void close_read(std::ifstream& file, const std::string& path);
  // Puts the written file in the target's place; false when any write, the flush to the disk
  // or the rename failed, the target then being as it was.
  bool close_write(OUTPUT_FILE& file, const std::string& path);
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

// What went wrong with an open_write or a close_write that failed, naming the file: "Unable to
// create file" when it could not even be created, else "Cannot write file" with the reason.
std::string write_failure_message(const OUTPUT_FILE& file, const std::string& path);
// Reports that message as an error.
void report_write_failure(ERROR_HANDLER& error_handler, const OUTPUT_FILE& file,
                          const std::string& path);
