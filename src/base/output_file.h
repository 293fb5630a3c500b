// A file written whole or not at all. The text goes to a temporary file in the target's own
// folder; commit flushes it to the disk and renames it over the target, so a full disk, a
// failed write or a killed process never leaves the target cut short. The replaced file's mode
// is kept, and a target that is a symbolic link is written through to the file it names.
#pragma once

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

class OUTPUT_FILE {
 public:
  // Creates the temporary file; is_open tells whether that worked (reason tells why not).
  explicit OUTPUT_FILE(const std::string& path);
  OUTPUT_FILE();  // no file: is_open and created are false
  OUTPUT_FILE(OUTPUT_FILE&& other) noexcept;
  OUTPUT_FILE& operator=(OUTPUT_FILE&& other) noexcept;
  ~OUTPUT_FILE();  // an uncommitted temporary file is removed

  bool is_open() const { return descriptor_ >= 0; }
  // Whether the temporary file could be made at all (a missing or read-only folder prevents it).
  bool created() const { return created_; }
  std::ostream& stream() { return *stream_; }

  // Writes what is buffered and flushes it to the disk, without touching the target yet, so
  // that files which belong together are replaced only when all of them could be written.
  // False on the first failure, after which the temporary file is gone.
  bool finish_writing();
  // finish_writing, then puts the file in the target's place. False on the first failure, after
  // which the temporary file is gone and the target untouched.
  bool commit();
  // Leaves the target as it was and removes the temporary file.
  void discard();

  // The system's reason for the first failure ("No space left on device"), empty before one.
  const std::string& reason() const { return reason_; }

 private:
  class BUFFER;

  void fail(int error_number);
  void close_descriptor();
  void sync_folder() const;

  std::string target_;     // the file the rename replaces, symbolic links followed
  std::string temporary_;  // empty once renamed or removed
  int descriptor_ = -1;
  bool created_ = false;
  int failure_ = 0;  // errno of the first failure
  std::string reason_;
  std::unique_ptr<BUFFER> buffer_;
  std::unique_ptr<std::ostream> stream_;
};
