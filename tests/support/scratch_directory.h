// A fresh directory for a test's files, made the working directory while the test runs and
// removed afterwards, so relative names behave as they do for the program.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

class SCRATCH_DIRECTORY {
 public:
  SCRATCH_DIRECTORY() : previous_(std::filesystem::current_path()) {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("tavrel_test_" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~SCRATCH_DIRECTORY() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  SCRATCH_DIRECTORY(const SCRATCH_DIRECTORY&) = delete;
  SCRATCH_DIRECTORY& operator=(const SCRATCH_DIRECTORY&) = delete;

  std::string path() const { return path_.string(); }

  // Writes the bytes exactly (no newline translation), creating directories on the way.
  static void write(const std::string& name, const std::string& contents) {
    std::filesystem::path file(name);
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << contents;
  }

  static std::string read(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};
