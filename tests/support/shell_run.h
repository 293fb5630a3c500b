// A command line run through the shell in the scratch directory, its standard output and error
// collected together.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/scratch_directory.h"

struct SHELL_RUN {
  int status;  // -1 when the command did not exit by itself
  std::string out;
};

inline SHELL_RUN shell_run(const std::string& command_line) {
  const int raw = std::system((command_line + " >out.txt 2>&1").c_str());
  return SHELL_RUN{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, SCRATCH_DIRECTORY::read("out.txt")};
}
