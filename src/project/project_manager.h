// The project and its build: the project file's path and flags, the output file name, and
// `update`, the one operation through which every mode turns the sources into ROM code.
#pragma once

#include <optional>
#include <string>

struct CONTEXT;

class PROJECT_MANAGER {
 public:
  explicit PROJECT_MANAGER(CONTEXT& context) : context_(context) {}
  PROJECT_MANAGER(const PROJECT_MANAGER&) = delete;
  PROJECT_MANAGER& operator=(const PROJECT_MANAGER&) = delete;

  // Resets the machine and all compilation state, then runs every build stage in order.
  void update();
  bool is_assembly_project() const;
  bool is_open() const { return project_path.has_value(); }

  std::optional<std::string> project_path;  // none when the sources came from the command line
  bool modified = false;                    // the project differs from its file
  bool needs_update = false;                // the machine no longer matches a fresh build
  std::string project_name;
  std::string binary_text_file_path;

 private:
  CONTEXT& context_;
};
