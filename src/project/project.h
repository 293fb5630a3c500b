// The project as its file describes it: where the file is, its two names and its state. The
// project manager adds the build to it; the project file reader and writer need only this.
#pragma once

#include <optional>
#include <string>

class MACHINE;
class SOURCE_PATH_LIST;

struct PROJECT {
  bool is_open() const { return project_path.has_value(); }

  std::optional<std::string> project_path;  // none when the sources came from the command line
  bool modified = false;                    // the project differs from its file
  bool needs_update = false;                // the machine no longer matches a fresh build
  std::string project_name;
  std::string binary_text_file_path;
};

// Everything a project file reads into and writes out: the project's names, its source paths,
// and the processor parameters and port words of the machine.
struct PROJECT_DESCRIPTION {
  PROJECT& project;
  SOURCE_PATH_LIST& source_paths;
  MACHINE& machine;
};
