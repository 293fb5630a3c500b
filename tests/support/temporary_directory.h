// A directory of its own for a test's files, removed with everything in it afterwards.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

class TEMPORARY_DIRECTORY {
 public:
  TEMPORARY_DIRECTORY() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavrel-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TEMPORARY_DIRECTORY() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TEMPORARY_DIRECTORY(const TEMPORARY_DIRECTORY&) = delete;
  TEMPORARY_DIRECTORY& operator=(const TEMPORARY_DIRECTORY&) = delete;

  const std::string& path() const { return path_; }

  // Writes a file below the directory, creating its folders; answers its full path.
  std::string write(const std::string& name, const std::string& contents) const {
    std::filesystem::path full = std::filesystem::path(path_) / name;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << contents;
    return full.string();
  }

 private:
  std::string path_;
};
